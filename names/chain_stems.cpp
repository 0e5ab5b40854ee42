#include "chain_stems.h"

#include "candidate_name.h"
#include "host_types.h"
#include "name_hash.h"

namespace {

size_t DecimalDigits(size_t value) {
  size_t digits = 1;
  for (; value >= 10; value /= 10) ++digits;
  return digits;
}

std::string_view StemOf(std::string_view name) { return name.substr(0, NumberStart(name.data(), name.size())); }

}  // namespace

ChainStems::ChainStems(const DistinctEntries& entries, size_t length) {
  // Candidate k of a chain is the stem and the entry's number raised by k, at
  // most the entry's size plus the digits of k plus one (a carry): within the
  // longest name, no character of the stem is cut.
  const size_t most = kLongestName - DecimalDigits(length) - 1;
  for (size_t d = 0; d < entries.size(); ++d) every_ = every_ || entries[d].size() > most;
  if (every_) return;
  for (size_t d = 0; d < entries.size(); ++d) {
    const std::string_view stem = StemOf(entries[d]);
    stems_.Add(stem, HashOfName(stem));
    if (stem.empty()) {
      // Names of digits alone, or none, have the empty stem.
      for (char c : std::string_view("0123456789", 11)) Mark(c);
    } else {
      Mark(stem[0]);
    }
  }
}

void ChainStems::Mark(char first) {
  const auto byte = static_cast<unsigned char>(first);
  firsts_[byte / 64] |= uint64_t{1} << (byte % 64);
}

bool ChainStems::Covers(std::string_view name) const {
  if (every_) return true;
  const std::string_view stem = StemOf(name);
  return stems_.Holds(stem, HashOfName(stem));
}
