#include "distinct_entries.h"

#include "name_hash.h"

DistinctEntries::DistinctEntries(const NameList& entries, size_t pairs) : distinct_(pairs), number_of_(pairs) {
  for (size_t k = 0; k < pairs; ++k) {
    if (!entries[k].empty()) number_of_[k] = distinct_.Add(entries[k], HashOfName(entries[k]));
  }
}
