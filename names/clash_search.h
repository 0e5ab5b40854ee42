#pragma once
// The clash search of a restore: for line k, the first candidate on its
// entry's chain that no other object (material) holds, asked of a NameIndex.
// Concepts:
// - chain: the entry, then NextCandidateName of each candidate, at most
//   `length` of them (a document of length - 1 names leaves one free);
// - stem: the part of a name before its trailing number. Every candidate is
//   the entry or its stem followed by a number, unless the entry is so long
//   that raising its number cuts characters off the stem; so a name whose
//   stem is no entry's is never asked about (MayBeAsked);
// - resume: where the last search for an equal entry stopped. Every
//   candidate before it was held by another then, and one becomes free only
//   when it is freed, or when the target now searching is its only holder;
//   a search resumes only when neither can have happened to a candidate of
//   its chain since, so it finds what a walk from the entry would. Where no
//   other object holds a name of the chain, 10,000 equal lines make 10,000
//   candidates and 20,000 lookups in all.
#include <cstdint>
#include <string_view>
#include <vector>

#include "candidate_name.h"
#include "name_index.h"
#include "name_list.h"
#include "name_table.h"

class ClashSearch {
 public:
  // For the non-empty lines among the first `pairs` entries, which must
  // outlive the search. Allocates all it needs here.
  ClashSearch(const NameList& entries, size_t pairs, size_t length, const NameEncoding& encoding);

  // Whether a search may ask about name.
  bool MayBeAsked(std::string_view name) const;
  // Whether it may ask about a name that begins with the byte first (NUL for
  // an empty name): most names it never asks about are told by it, before
  // their end is looked for. (Bench, 10,000 targets in 100,000 objects, half
  // the lines equal: ratio 1.66-1.70 without it, 1.30-1.32 with it.)
  bool MayBeAskedAboutFirst(char first) const {
    const auto byte = static_cast<unsigned char>(first);
    return every_name_asked_ || (firsts_[byte / 64] >> (byte % 64) & 1) != 0;
  }

  // The first candidate on the chain of line k (not empty) that no index of
  // names other than own holds, or the chain's last when all are held, as a
  // C string interned in names: one of its reserved names per search.
  const char* FindFreeName(NameIndex& names, size_t own, size_t k);

 private:
  struct Resume {
    std::string_view stop;  // data() null before the first search
    size_t steps = 0;       // candidates before stop on the chain
    size_t freed_seen = 0;  // names.FreedCount() at that time
  };
  bool CanResume(const NameIndex& names, std::string_view entry, const Resume& resume, size_t own) const;

  // Both borrow the entries' bytes: a restore of 200,000 lines of 249 bytes
  // held 110 MB more when they were copied.
  NameTable entries_{NameTable::Bytes::kBorrowed};  // the distinct entries
  std::vector<uint32_t> entry_of_;  // per line, its entry's number
  std::vector<Resume> resumes_;     // per distinct entry
  NameTable stems_{NameTable::Bytes::kBorrowed};    // of the distinct entries
  bool every_name_asked_ = false;   // an entry long enough to cut its stem
  uint64_t firsts_[4] = {};         // one bit per first byte of a stem
  NameEncoding encoding_;
  size_t length_;
  char candidate_[kLongestName + 1];
};
