#include "distinct_entries.h"

#include "name_hash.h"

DistinctEntries::DistinctEntries(const NameList& entries, size_t pairs) : number_of_(pairs) {
  distinct_.reserve(pairs);
  // Open addressing by entry, at most half full: 1 + the number of its
  // distinct entry, 0 for none. Only needed here.
  size_t capacity = 16;
  while (capacity < 2 * pairs) capacity *= 2;
  std::vector<uint32_t> table(capacity);
  const size_t mask = capacity - 1;
  for (size_t k = 0; k < pairs; ++k) {
    const std::string_view entry = entries[k];
    if (entry.empty()) continue;
    const uint32_t hash = HashOfName(entry);
    size_t at = hash & mask;
    for (; table[at] != 0; at = (at + 1) & mask) {
      const Entry& known = distinct_[table[at] - 1];
      if (known.hash == hash && SameName(known.entry, entry)) break;
    }
    if (table[at] == 0) {
      distinct_.push_back({entry, hash});
      table[at] = static_cast<uint32_t>(distinct_.size());
    }
    number_of_[k] = table[at] - 1;
  }
}
