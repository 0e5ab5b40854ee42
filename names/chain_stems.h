#pragma once
// Which names a restore's clash searches can ever ask about. A search walks
// an entry's chain: the entry, then the part of it before its trailing number
// (its stem) followed by a raised number. So a name whose own stem is no
// entry's stem is never a candidate, and the restore need not know it. An
// entry so long that its chain may cut characters to make room for the number
// makes every name count.
#include <cstdint>
#include <string_view>

#include "distinct_entries.h"
#include "name_table.h"

class ChainStems {
 public:
  // For the entries, on chains of at most `length` candidates. Allocates all
  // it needs here.
  ChainStems(const DistinctEntries& entries, size_t length);

  // Whether name can stand on the chain of some entry. The entries' bytes
  // must stay in place while this lives.
  bool Covers(std::string_view name) const;
  // Whether a name that begins with the byte first (NUL for an empty name)
  // can: most names that cannot are told by it, before their end is known.
  bool MayCover(char first) const {
    const auto byte = static_cast<unsigned char>(first);
    return every_ || (firsts_[byte / 64] >> (byte % 64) & 1) != 0;
  }

 private:
  void Mark(char first);

  bool every_ = false;
  NameTable stems_;          // of the entries' stems; none when every_
  uint64_t firsts_[4] = {};  // one bit per stem's first byte
};
