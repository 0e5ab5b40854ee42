#pragma once
// The chain of candidates that a restore tries for one entry: the entry, the
// candidate after it (NextCandidateName), the one after that, and so on.
//
// The chain is laid out in phases: a stem (the entry's bytes before its
// number) followed by consecutive numbers. A new phase begins only where a
// raised number no longer fits beside the stem and whole characters go from
// the stem's end. So any name can be placed on the chain by its stem and
// number, without making the candidates before it: one reading of the
// document then tells which candidates are taken.
#include <cstdint>
#include <cstring>
#include <vector>

#include "candidate_name.h"

class CandidateChain {
 public:
  static constexpr size_t kNotOnChain = SIZE_MAX;

  // Allocates all that any chain will need; Start allocates nothing.
  CandidateChain();

  // Lays out the first length candidates of the chain that starts at
  // entry[0, size), which is at most kLongestName bytes.
  void Start(const char* entry, size_t size, size_t length, const NameEncoding& encoding);

  // The position of name[0, size) among the chain's first length candidates,
  // or kNotOnChain.
  size_t PositionOf(const char* name, size_t size) const;
  // The same for the name in a name buffer the host filled (up to its NUL, or
  // the buffer's end). Most names are placed in one pass over their bytes,
  // inline: a restore places a name for every other object, for every target.
  [[gnu::always_inline]] size_t PositionInBuffer(const char* buffer) const {
    if (!quick_) return PositionSlowly(buffer);
    // The one phase: the name must be its stem, then digits only, then a NUL.
    const Phase& phase = phases_.front();
    if (phase.stem <= 8) {
      // The buffer's first eight bytes hold values (name buffers are filled
      // once before the host writes into them): one comparison does.
      uint64_t head;
      std::memcpy(&head, buffer, 8);
      if ((head & stem_mask_) != stem_word_) return kNotOnChain;
    } else if (std::memcmp(buffer, entry_, phase.stem) != 0) {
      return kNotOnChain;  // a NUL differs too: the entry holds none
    }
    const char* run = buffer + phase.stem;
    uint32_t number = 0;  // 32 bits: quick on every machine
    size_t digits = 0;
    for (unsigned digit; (digit = static_cast<unsigned char>(run[digits]) - '0') <= 9; number = number * 10 + digit) {
      if (++digits > 9) return PositionSlowly(buffer);  // a number too long for a quick look
    }
    if (run[digits] != '\0') return kNotOnChain;  // more after the digits: not a candidate's stem
    if (digits == phase.written.size &&
        (written_plain_ ? number == quick_value_ : std::memcmp(run, phase.written.digits, digits) == 0)) {
      return phase.first;
    }
    if (digits == 0 || run[0] == '0' || number <= quick_value_ || number - quick_value_ >= phase.count) {
      return kNotOnChain;
    }
    return phase.first + (number - quick_value_);
  }

  // Writes the candidate at position (less than length) into out, which holds
  // kLongestName bytes, and returns its size.
  size_t WriteCandidate(size_t position, char* out) const;

 private:
  struct Number {
    char digits[kLongestName + 1];
    size_t size;
  };
  struct Phase {
    size_t stem;      // bytes of the entry before the number
    size_t first;     // position of the phase's first candidate
    size_t count;     // candidates in the phase, within the chain's length
    Number written;   // the first candidate's number as it stands there
    Number value;     // its value, without leading zeros ("0" for none)
  };

  void AddPhase(const char* candidate, size_t size, size_t first, size_t length);
  size_t PositionSlowly(const char* buffer) const;
  size_t PositionIn(const Phase& phase, const char* run, size_t size) const;

  char entry_[kLongestName];
  std::vector<Phase> phases_;
  // The value of the one phase's first number, when the chain has one phase,
  // its value has at most 9 digits and its stem leaves room for 10 digits in
  // a name buffer: names are then placed quickly.
  bool quick_ = false;
  uint32_t quick_value_ = 0;
  bool written_plain_ = false;  // the first number is written without leading zeros
  uint64_t stem_word_ = 0, stem_mask_ = 0;  // a stem of up to eight bytes, as a word
};
