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
  size_t PositionIn(const Phase& phase, const char* run, size_t size) const;

  char entry_[kLongestName];
  std::vector<Phase> phases_;
};
