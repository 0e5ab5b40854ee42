// "restore ObjectNames" and "restore MaterialNames": the clipboard's lines
// become the names of the targets, line k for target k.
#include <algorithm>

#include "Tagkeeper.h"
#include "clash_search.h"
#include "clipboard_text.h"
#include "cmq_object.h"
#include "host_table.h"
#include "name_list.h"
#include "target_list.h"

namespace {

// Carried by every target about to receive a name between the two passes, so
// that names can be swapped or rotated among the targets.
const char kTemporaryName[] = "  *TEMPORALYNAME_forTagkeeper";

// Two name buffers, used in turn: the host writes a name into one while the
// name before it waits in the other. A name is handed over only after the
// next read has begun: reading bytes that the host has just written stalls
// the processor, and the host calls keep their order. Filled once, so that
// every byte holds a value whatever the host writes.
class NameBuffers {
 public:
  // Hands the waiting name, if any, to take; returns the buffer for the next.
  template <class Take>
  char* Next(Take& take) {
    if (waiting_ != nullptr) take(waiting_);
    return waiting_ = buffers_[next_ ^= 1];
  }
  // Hands the last name, if any, to take.
  template <class Take>
  void Finish(Take& take) {
    if (waiting_ != nullptr) take(waiting_);
    waiting_ = nullptr;
  }

 private:
  NameBuffer buffers_[2] = {};
  char* waiting_ = nullptr;
  int next_ = 0;
};

struct ObjectNames {
  MQDocument document;
  int Count() const { return host::Table().MQDoc_GetObjectCount(document); }
  cmq::CMQObject Fetch(int index) const { return GetObjectHandle(document, index); }
  void SetName(const cmq::CMQObject& target, const char* name) const {
    host::Table().MQObj_SetName(target.object(), name);
  }
  // Gives take the name buffer of every object but own that the document holds.
  template <class Take>
  void ReadOtherNames(int own, NameBuffers& buffers, Take&& take) const {
    const auto& host = host::Table();
    const int count = host.MQDoc_GetObjectCount(document);
    for (int index = 0; index < count; ++index) {
      if (index == own) continue;
      const cmq::CMQObject handle = GetObjectHandle(document, index);
      if (handle.object() == nullptr || handle.document() == nullptr) continue;
      if (host.MQDoc_GetObjectIndex(document, handle.object()) < 0) continue;
      handle.FillNameBuffer(buffers.Next(take));
    }
    buffers.Finish(take);
  }
};

struct MaterialNames {
  MQDocument document;
  int Count() const { return host::Table().MQDoc_GetMaterialCount(document); }
  MQMaterial Fetch(int index) const { return host::Table().MQDoc_GetMaterial(document, index); }
  void SetName(MQMaterial target, const char* name) const { host::Table().MQMat_SetName(target, name); }
  template <class Take>
  void ReadOtherNames(int own, NameBuffers& buffers, Take&& take) const {
    const auto& host = host::Table();
    const int count = host.MQDoc_GetMaterialCount(document);
    for (int index = 0; index < count; ++index) {
      if (index == own) continue;
      MQMaterial material = host.MQDoc_GetMaterial(document, index);
      if (material == nullptr) continue;
      FillMaterialNameBuffer(material, buffers.Next(take));
    }
    buffers.Finish(take);
  }
};

// Gives target k the name of entry k in two passes. An empty entry leaves its
// target alone in both passes.
template <class Names>
void AssignNames(const Names& names, const TargetList& targets, NameList& entries, const NameEncoding& encoding) {
  const size_t pairs = std::min(targets.size(), entries.size());
  size_t named = 0;
  for (size_t k = 0; k < pairs; ++k) named += !entries[k].empty();
  if (named == 0) return;

  // Everything the second pass needs is made before the first renames
  // anything, so that no failure can strand a target with the temporary name.
  // No name the host can give back is longer than kLongestName bytes, so an
  // entry is cut to that, on a whole character, before its clash search.
  for (size_t k = 0; k < pairs; ++k) {
    entries.Cut(k, encoding.FittingPrefix(entries[k].data(), entries[k].size(), kLongestName));
  }
  ClashSearch search(static_cast<size_t>(std::max(names.Count(), 0)), encoding);
  NameBuffers buffers;

  // Pass 1: clear the way, so no target's old name blocks another's new one.
  for (size_t k = 0; k < pairs; ++k) {
    if (!entries[k].empty()) names.SetName(names.Fetch(targets[k]), kTemporaryName);
  }

  // Pass 2: assign each the first candidate of its entry that nobody else holds.
  for (size_t k = 0; k < pairs; ++k) {
    if (entries[k].empty()) continue;
    const auto target = names.Fetch(targets[k]);
    const char* name = search.FreeName(entries[k], [&](auto take) { names.ReadOtherNames(targets[k], buffers, take); });
    names.SetName(target, name);
  }
}

// The clipboard's names, and the encoding their parse found in force.
NameList ClipboardNames(const NameEncoding& encoding) {
  std::string text;
  ReadClipboardText(text);
  return ParseNameList(text, encoding);
}

}  // namespace

bool Tagkeeper::RestoreObjectNames() {
  const NameEncoding encoding = NameEncoding::InForce();
  NameList entries = ClipboardNames(encoding);
  const TargetList targets = BuildObjectTargets(document_);
  AssignNames(ObjectNames{document_}, targets, entries, encoding);

  // Writing the first target's folded attribute (to its negation, then back)
  // leaves it as it was: its only effect is the host's own reaction to the write.
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
  NameList entries = ClipboardNames(encoding);
  AssignNames(MaterialNames{document_}, BuildMaterialTargets(document_), entries, encoding);
  return true;
}
