#include "reference_restore.h"

#include <algorithm>
#include <ostream>

#include "candidate_name.h"
#include "temporary_name.h"

namespace testsupport {

namespace {

bool HeldByAnother(const NameModel& model, int own, const std::string& name) {
  for (size_t i = 0; i < model.names.size(); ++i) {
    if (static_cast<int>(i) != own && model.counted[i] && model.names[i] == name) return true;
  }
  return false;
}

// Applies the host's SetName to model.
void SetName(NameModel& model, int index, const std::string& name) {
  model.names[index] = model.unique_names ? testhost::UniqueName(model.names, model.counted, index, name) : name;
}

}  // namespace

NameModel ModelOf(const testhost::Document& doc, bool materials) {
  return {materials ? doc.MaterialNames() : doc.ObjectNames(), materials ? doc.OwnMaterials() : doc.OwnObjects(),
          doc.unique_names};
}

std::ostream& operator<<(std::ostream& out, const Rename& rename) {
  return out << rename.index << " -> \"" << rename.name << "\"";
}

std::vector<Rename> ReferenceRenames(NameModel& model, const TargetList& targets, const std::vector<std::string>& entries,
                                     const NameEncoding& encoding) {
  std::vector<Rename> renames;
  const size_t pairs = std::min(targets.size(), entries.size());
  for (size_t k = 0; k < pairs; ++k) {
    if (entries[k].empty()) continue;
    SetName(model, targets[k], kTemporaryName);
    renames.push_back({targets[k], kTemporaryName});
  }
  for (size_t k = 0; k < pairs; ++k) {
    if (entries[k].empty()) continue;
    std::string candidate = entries[k];
    while (HeldByAnother(model, targets[k], candidate)) candidate = NextCandidateName(candidate, encoding);
    SetName(model, targets[k], candidate);
    renames.push_back({targets[k], candidate});
  }
  return renames;
}

}  // namespace testsupport
