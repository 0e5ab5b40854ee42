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
#include "name_index.h"

class ClashSearch {
 public:
  // Searches among names for up to `entries` distinct entries, on chains of
  // at most `length` candidates (a document of length - 1 names leaves one of
  // them free). Takes at most one of names' `more` names per search.
  // Allocates all it needs here.
  ClashSearch(NameIndex& names, size_t entries, size_t length, const NameEncoding& encoding);

  // The first candidate on entry's chain that no index other than own holds,
  // or the chain's last when all are held, as a C string kept by names.
  // Entry's bytes must stay in place while the search lives.
  const char* FreeName(size_t own, std::string_view entry);

 private:
  struct Resume {
    std::string_view entry;
    uint32_t hash;          // the entry's
    std::string_view stop;  // where the last search for entry stopped; data() null before the first
    size_t steps;           // candidates before stop on the chain
    size_t freed_seen;      // names' FreedCount() at that time
  };
  // The entry's resume, made if it has none.
  Resume& ResumeOf(std::string_view entry);
  bool CanResume(const Resume& resume, size_t own) const;

  NameIndex& names_;
  NameEncoding encoding_;
  size_t length_;
  std::vector<uint32_t> table_;  // open addressing by entry: 1 + the number of its resume, 0 for none; at most half full
  std::vector<Resume> resumes_;  // one per distinct entry searched; never moves
  char candidate_[kLongestName + 1];
};
