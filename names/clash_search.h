#pragma once
// The clash search of a restore: the first candidate on an entry's chain that
// no other object (material) holds. One reading of the other names decides
// it, since no name changes while one target's search runs; each target's
// reading is fresh and sees the renames made before it.
#include <string_view>
#include <vector>

#include "candidate_chain.h"

class ClashSearch {
 public:
  // For documents of up to name_count objects (materials). Allocates all that
  // the searches need, so that none can fail once renaming has begun.
  ClashSearch(size_t name_count, const NameEncoding& encoding);

  // The first candidate on entry's chain that no name of the reading holds.
  // read_names(take) calls take(buffer) with the name buffer of every other
  // object, as the host filled it. The result stays valid until the next
  // search.
  template <class ReadNames>
  const char* FreeName(std::string_view entry, ReadNames&& read_names) {
    Begin(entry);
    read_names([this](const char* buffer) __attribute__((always_inline)) { Take(buffer); });
    return End();
  }

 private:
  void Begin(std::string_view entry);
  [[gnu::always_inline]] void Take(const char* buffer) {
    const size_t position = chain_.PositionInBuffer(buffer);
    if (position < length_) taken_[position / kWordBits] |= size_t{1} << (position % kWordBits);
  }
  const char* End();

  NameEncoding encoding_;
  // Others hold at most name_count - 1 names, so one of the chain's first
  // name_count + 1 candidates is free.
  size_t length_;
  CandidateChain chain_;
  static constexpr size_t kWordBits = 8 * sizeof(size_t);  // the machine's word
  std::vector<size_t> taken_;  // a bit per chain position
  char candidate_[kLongestName + 1];
};
