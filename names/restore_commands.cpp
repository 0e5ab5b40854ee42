// "restore ObjectNames" and "restore MaterialNames": the clipboard's lines
// become the names of the targets, line k for target k.
#include <algorithm>

#include "Tagkeeper.h"
#include "candidate_name.h"
#include "clipboard_text.h"
#include "cmq_object.h"
#include "host_table.h"
#include "name_list.h"
#include "name_search.h"
#include "target_list.h"

namespace {

// Carried by every target about to receive a name between the two passes, so
// that names can be swapped or rotated among the targets.
const char kTemporaryName[] = "  *TEMPORALYNAME_forTagkeeper";

struct ObjectNames {
  MQDocument document;
  cmq::CMQObject Fetch(int index) const { return GetObjectHandle(document, index); }
  void SetName(const cmq::CMQObject& target, const char* name) const {
    host::Table().MQObj_SetName(target.object(), name);
  }
  int Find(const std::string& name, int own) const { return FindObjectByName(document, name, own); }
};

struct MaterialNames {
  MQDocument document;
  MQMaterial Fetch(int index) const { return host::Table().MQDoc_GetMaterial(document, index); }
  void SetName(MQMaterial target, const char* name) const { host::Table().MQMat_SetName(target, name); }
  int Find(const std::string& name, int own) const { return FindMaterialByName(document, name, own); }
};

// Gives target k the name of entry k in two passes. An empty entry leaves its
// target alone in both passes.
template <class Names>
void AssignNames(const Names& names, const TargetList& targets, const NameList& entries) {
  const size_t pairs = std::min(targets.size(), entries.size());

  // Pass 1: clear the way, so no target's old name blocks another's new one.
  for (size_t k = 0; k < pairs; ++k) {
    if (!entries[k].empty()) names.SetName(names.Fetch(targets[k]), kTemporaryName);
  }

  // Pass 2: assign, raising the name while anyone else holds it.
  for (size_t k = 0; k < pairs; ++k) {
    if (entries[k].empty()) continue;
    const auto target = names.Fetch(targets[k]);
    std::string candidate = entries[k];
    while (names.Find(candidate, targets[k]) >= 0) candidate = NextCandidateName(candidate);
    names.SetName(target, candidate.c_str());
  }
}

NameList ClipboardNames() {
  std::string text;
  ReadClipboardText(text);
  return ParseNameList(text);
}

}  // namespace

bool Tagkeeper::RestoreObjectNames() {
  const NameList entries = ClipboardNames();
  const TargetList targets = BuildObjectTargets(document_);
  AssignNames(ObjectNames{document_}, targets, entries);

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
  const NameList entries = ClipboardNames();
  AssignNames(MaterialNames{document_}, BuildMaterialTargets(document_), entries);
  return true;
}
