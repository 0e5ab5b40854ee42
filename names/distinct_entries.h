#pragma once
// The distinct entries of a restore: equal lines name alike, so the stems of
// their chains and where their searches stop are worked out once per
// distinct entry. Each entry's bytes are hashed here, once.
#include <cstdint>
#include <string_view>
#include <vector>

#include "name_list.h"
#include "name_table.h"

class DistinctEntries {
 public:
  // Of the non-empty entries among the first `pairs`, in the order each
  // first comes. Allocates all it needs here; entries must outlive this.
  DistinctEntries(const NameList& entries, size_t pairs);

  size_t size() const { return distinct_.size(); }
  std::string_view operator[](size_t d) const { return distinct_[d]; }
  // HashOfName of distinct entry d.
  uint32_t HashOf(size_t d) const { return distinct_.HashOf(d); }
  // The number of the distinct entry equal to entry k, which is not empty.
  uint32_t NumberOf(size_t k) const { return number_of_[k]; }

 private:
  NameTable distinct_;
  std::vector<uint32_t> number_of_;  // per entry; unused for empty ones
};
