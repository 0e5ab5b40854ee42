// "restore ObjectNames" and "restore MaterialNames": the clipboard's lines
// become the names of the targets, line k for target k.
#include <algorithm>

#include "Tagkeeper.h"
#include "clash_search.h"
#include "clipboard_text.h"
#include "cmq_object.h"
#include "host_table.h"
#include "item_names.h"
#include "name_index.h"
#include "parse_name_list.h"
#include "target_list.h"
#include "temporary_name.h"

namespace {

// Gives target k the name of entry k in two passes. An empty entry leaves its
// target alone in both passes.
template <class Names>
void AssignNames(const Names& names, const TargetList& targets, const NameList& entries, const NameEncoding& encoding) {
  const size_t pairs = std::min(targets.size(), entries.size());
  size_t named = 0;
  for (size_t k = 0; k < pairs; ++k) named += !entries[k].empty();
  if (named == 0) return;

  // Everything both passes need is made before the first renames anything,
  // so that no failure can strand a target with the temporary name.
  const int count = std::max(names.Count(), 0);
  ClashSearch search(entries, pairs, static_cast<size_t>(count) + 1, encoding);
  NameIndex index(static_cast<size_t>(count));
  NameBuffer buffer = {};
  const auto read_name = [&](int at, const auto& handle) {
    names.ReadName(handle, buffer);
    if (!search.MayBeAskedAboutFirst(buffer[0])) return index.EnterUnasked(static_cast<size_t>(at));
    const std::string_view name(buffer, NameSize(buffer));
    search.MayBeAsked(name) ? index.Enter(static_cast<size_t>(at), name) : index.EnterUnasked(static_cast<size_t>(at));
  };
  // The one reading of the document: every name the clash searches look at.
  for (int at = 0; at < count; ++at) {
    const auto handle = names.Fetch(at);
    if (names.Counts(handle)) read_name(at, handle);
  }
  // Each target that gets a name enters or interns three more: the name kept
  // after each pass, and its search's result.
  index.Reserve(3 * named);
  // Each rename enters the name the host kept, which may differ from the one given.
  const auto rename = [&](int at, const auto& target, const char* name) {
    names.SetName(target, name);
    if (index.IsEntered(static_cast<size_t>(at))) read_name(at, target);
  };

  // Pass 1: clear the way, so no target's old name blocks another's new one.
  for (size_t k = 0; k < pairs; ++k) {
    if (!entries[k].empty()) rename(targets[k], names.Fetch(targets[k]), kTemporaryName);
  }

  // Pass 2: assign each the first candidate of its entry that nobody else holds.
  for (size_t k = 0; k < pairs; ++k) {
    if (entries[k].empty()) continue;
    const auto target = names.Fetch(targets[k]);
    rename(targets[k], target, search.FindFreeName(index, static_cast<size_t>(targets[k]), k));
  }
}

// The clipboard's names, parsed in encoding. No name the host can give back
// is longer than kLongestName bytes, so each is cut to that, on a whole
// character, before its clash search.
NameList ClipboardNames(const NameEncoding& encoding) {
  ClipboardContent content;
  ReadClipboardText(content);
  return content.unicode ? ParseNameList(content.wide, encoding, kLongestName)
                         : ParseNameList(content.text, encoding, kLongestName);
}

}  // namespace

bool Tagkeeper::RestoreObjectNames() {
  const NameEncoding encoding = NameEncoding::InForce();
  const NameList entries = ClipboardNames(encoding);
  const TargetList targets = BuildObjectTargets(document_);
  AssignNames(ObjectNames{document_}, targets, entries, encoding);

  // The host does not redraw its object list when names are set through its
  // functions, but does when an object's folded attribute is written: the
  // first target's goes to its negation and back, so the list shows the new
  // names and the folded state stays as it was. Materials have no tree and no
  // such attribute, so their restore writes none.
  if (!targets.empty()) {
    const cmq::CMQObject first = GetObjectHandle(document_, targets.front());
    const auto& host = host::Table();
    const int folded = host.MQObj_GetIntValue(first.object(), kAttributeFolded);
    host.MQObj_SetIntValue(first.object(), kAttributeFolded, folded == 0 ? 1 : 0);
    host.MQObj_SetIntValue(first.object(), kAttributeFolded, folded == 0 ? 0 : 1);
  }
  return true;
}

bool Tagkeeper::RestoreMaterialNames() {
  const NameEncoding encoding = NameEncoding::InForce();
  const NameList entries = ClipboardNames(encoding);
  AssignNames(MaterialNames{document_}, BuildMaterialTargets(document_), entries, encoding);
  return true;
}
