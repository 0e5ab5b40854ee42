#pragma once
// The clash search of a restore: the first candidate on an entry's chain (the
// entry, then NextCandidateName of each) that no other object (material)
// holds, asked of the document's names as a NameIndex knows them.
//
// Equal entries resume where the search for the last of them stopped: every
// candidate before that point was held by another then, and a candidate held
// by another becomes free only when the last index holding it leaves it, or
// when the one holding it is the target now searching. A search resumes only
// when neither can have happened to a candidate of its chain since; otherwise
// it walks from the entry. So the names are those of a walk from the entry
// every time, and 10,000 equal lines walk about 10,000 candidates in all.
#include <string_view>
#include <vector>

#include "candidate_name.h"
#include "distinct_entries.h"
#include "name_index.h"

class ClashSearch {
 public:
  // Searches among names for the entries, on chains of at most `length`
  // candidates (a document of length - 1 names leaves one of them free).
  // Takes at most one of names' `more` names per search. Allocates all it
  // needs here; entries must outlive the search.
  ClashSearch(NameIndex& names, const DistinctEntries& entries, size_t length, const NameEncoding& encoding);

  // The first candidate on the chain of entry k (not empty) that no index
  // other than own holds, or the chain's last when all are held, as a C
  // string kept by names.
  const char* FreeName(size_t own, size_t k);

 private:
  // Where the last search for a distinct entry stopped.
  struct Resume {
    std::string_view stop;        // data() null before the first search
    NameIndex::Place stop_place;  // where stop stands in names, for good: it was kept
    size_t steps;                 // candidates before stop on the chain
    size_t freed_seen;            // names' FreedCount() at that time
  };
  bool CanResume(std::string_view entry, const Resume& resume, size_t own) const;

  NameIndex& names_;
  const DistinctEntries& entries_;
  NameEncoding encoding_;
  size_t length_;
  std::vector<Resume> resumes_;  // one per distinct entry
  char candidate_[kLongestName + 1];
};
