#include "clash_search.h"

#include <algorithm>

ClashSearch::ClashSearch(size_t name_count, const NameEncoding& encoding)
    : encoding_(encoding), length_(name_count + 1), taken_((length_ + kWordBits - 1) / kWordBits) {}

void ClashSearch::Begin(std::string_view entry) {
  chain_.Start(entry.data(), std::min(entry.size(), kLongestName), length_, encoding_);
  std::fill(taken_.begin(), taken_.end(), 0);
}

const char* ClashSearch::End() {
  // A document that kept its size during the command leaves a free position.
  size_t word = 0;
  while (word + 1 < taken_.size() && taken_[word] == ~size_t{0}) ++word;
  size_t position = word * kWordBits;
  while (position + 1 < length_ && (taken_[position / kWordBits] & (size_t{1} << (position % kWordBits)))) ++position;
  const size_t size = chain_.WriteCandidate(position, candidate_);
  candidate_[size] = '\0';
  return candidate_;
}
