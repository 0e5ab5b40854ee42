#pragma once
// The restore's renames as first written, kept as the reference for the
// one-reading clash search: every candidate is checked by a fresh scan of
// all the names, and the next candidate is tried while another holds it.
#include <string>
#include <vector>

#include "document.h"
#include "name_encoding.h"
#include "target_list.h"

namespace testsupport {

struct Rename {
  int index;
  std::string name;
  bool operator==(const Rename& other) const { return index == other.index && name == other.name; }
};
std::ostream& operator<<(std::ostream& out, const Rename& rename);

// The document's names as the clash search reads them: names[i] for index i,
// counted[i] false where the search passes over the index (no object; for
// objects also one the document does not own); unique_names as the document's.
struct NameModel {
  std::vector<std::string> names;
  std::vector<bool> counted;
  bool unique_names = false;
};
NameModel ModelOf(const testhost::Document& doc, bool materials);

// Every SetName of both passes, in order, for entries already cut to a name's
// length; applied to model as the host would apply them (keeping another
// name where it keeps names unique).
std::vector<Rename> ReferenceRenames(NameModel& model, const TargetList& targets, const std::vector<std::string>& entries,
                                     const NameEncoding& encoding);

}  // namespace testsupport
