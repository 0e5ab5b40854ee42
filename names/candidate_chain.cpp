#include "candidate_chain.h"

#include "cmq_object.h"

#include <cstring>

namespace {

// Each new phase has a shorter stem than the one before; past the empty stem
// a chain only turns over once, after 10^249 candidates.
constexpr size_t kMaxPhases = kLongestName + 2;

constexpr uint64_t kHuge = UINT64_MAX;

// The value of the digits, or kHuge when it is that much or more.
uint64_t SaturatedValue(const char* digits, size_t size) {
  uint64_t value = 0;
  for (size_t i = 0; i < size; ++i) {
    const unsigned digit = static_cast<unsigned>(digits[i] - '0');
    if (value > (kHuge - digit) / 10) return kHuge;
    value = value * 10 + digit;
  }
  return value;
}

}  // namespace

CandidateChain::CandidateChain() { phases_.reserve(kMaxPhases); }

void CandidateChain::Start(const char* entry, size_t size, size_t length, const NameEncoding& encoding) {
  std::memcpy(entry_, entry, size);
  phases_.clear();
  if (length == 0) return;
  AddPhase(entry, size, 0, length);
  char candidate[kLongestName];
  for (;;) {
    const size_t next = phases_.back().first + phases_.back().count;
    if (next >= length || phases_.size() == kMaxPhases) break;
    // The candidate after the phase's last one starts the next phase.
    const size_t last = WriteCandidate(next - 1, candidate);
    AddPhase(candidate, WriteNextCandidate(candidate, last, encoding, candidate), next, length);
  }
  quick_ = phases_.size() == 1 && phases_[0].value.size <= 9 && phases_[0].stem + 10 < kNameBufferSize;
  quick_value_ = quick_ ? static_cast<uint32_t>(SaturatedValue(phases_[0].value.digits, phases_[0].value.size)) : 0;
  written_plain_ = quick_ && phases_[0].written.size > 0 && phases_[0].written.digits[0] != '0';
  stem_word_ = stem_mask_ = 0;
  if (quick_ && phases_[0].stem <= 8) {
    std::memcpy(&stem_word_, entry_, phases_[0].stem);
    std::memset(&stem_mask_, 0xFF, phases_[0].stem);
  }
}

size_t CandidateChain::PositionSlowly(const char* buffer) const { return PositionOf(buffer, NameSize(buffer)); }

void CandidateChain::AddPhase(const char* candidate, size_t size, size_t first, size_t length) {
  phases_.emplace_back();
  Phase& phase = phases_.back();
  phase.stem = NumberStart(candidate, size);
  phase.first = first;
  phase.written.size = size - phase.stem;
  std::memcpy(phase.written.digits, candidate + phase.stem, phase.written.size);
  size_t zeros = 0;
  while (zeros < phase.written.size && phase.written.digits[zeros] == '0') ++zeros;
  phase.value.size = zeros == phase.written.size ? 1 : phase.written.size - zeros;
  std::memcpy(phase.value.digits, zeros == phase.written.size ? "0" : phase.written.digits + zeros, phase.value.size);

  // The numbers after the first that still fit beside the stem: the nines'
  // complement of the value, written with as many digits as fit.
  const size_t room = kLongestName - phase.stem;
  uint64_t after = 0;
  for (size_t i = room; i-- > 0 && after != kHuge;) {
    const unsigned digit = i < phase.value.size ? 9 - (phase.value.digits[phase.value.size - 1 - i] - '0') : 9;
    after = after > (kHuge - digit) / 10 ? kHuge : after * 10 + digit;
  }
  phase.count = after >= length - first - 1 ? length - first : after + 1;
}

size_t CandidateChain::PositionOf(const char* name, size_t size) const {
  if (size > kLongestName || phases_.empty()) return kNotOnChain;
  const size_t stem = NumberStart(name, size);
  // Every phase's stem is a part of the entry's, and the stems shrink.
  if (stem > phases_.front().stem || std::memcmp(name, entry_, stem) != 0) return kNotOnChain;
  for (const Phase& phase : phases_) {
    if (phase.stem < stem) break;
    if (phase.stem > stem) continue;
    const size_t position = PositionIn(phase, name + stem, size - stem);
    if (position != kNotOnChain) return position;
  }
  return kNotOnChain;
}

size_t CandidateChain::PositionIn(const Phase& phase, const char* run, size_t size) const {
  if (size == phase.written.size && std::memcmp(run, phase.written.digits, size) == 0) return phase.first;
  // The later candidates are the value raised by 1, 2, ..., without leading zeros.
  if (size == 0 || run[0] == '0' || size < phase.value.size) return kNotOnChain;
  uint64_t excess;
  if (size < 20) {
    const uint64_t number = SaturatedValue(run, size), value = SaturatedValue(phase.value.digits, phase.value.size);
    excess = number > value ? number - value : 0;
  } else if (size > phase.value.size + 1) {
    excess = kHuge;  // at least 9 * 10^18 beyond
  } else {
    char difference[kLongestName + 1];
    int borrow = 0;
    for (size_t i = 0; i < size; ++i) {
      const size_t at = size - 1 - i;
      int digit = run[at] - '0' - borrow - (i < phase.value.size ? phase.value.digits[phase.value.size - 1 - i] - '0' : 0);
      borrow = digit < 0;
      difference[at] = static_cast<char>('0' + (digit < 0 ? digit + 10 : digit));
    }
    excess = borrow ? 0 : SaturatedValue(difference, size);
  }
  return excess > 0 && excess < phase.count ? phase.first + excess : kNotOnChain;
}

size_t CandidateChain::WriteCandidate(size_t position, char* out) const {
  size_t index = phases_.size() - 1;
  while (index > 0 && phases_[index].first > position) --index;
  const Phase& phase = phases_[index];
  std::memcpy(out, entry_, phase.stem);
  if (position == phase.first) {
    std::memcpy(out + phase.stem, phase.written.digits, phase.written.size);
    return phase.stem + phase.written.size;
  }
  // The value plus the distance from the phase's first candidate.
  char sum[kLongestName + 21];
  size_t at = sizeof sum, digits = phase.value.size;
  uint64_t delta = position - phase.first;
  unsigned carry = 0;
  while (digits > 0 || delta > 0 || carry > 0) {
    unsigned digit = carry + static_cast<unsigned>(delta % 10);
    delta /= 10;
    if (digits > 0) digit += static_cast<unsigned>(phase.value.digits[--digits] - '0');
    carry = digit / 10;
    sum[--at] = static_cast<char>('0' + digit % 10);
  }
  std::memcpy(out + phase.stem, sum + at, sizeof sum - at);
  return phase.stem + sizeof sum - at;
}
