#include "clash_search.h"

#include <cstring>

namespace {

// Whether name can stand on entry's chain: as the entry itself, or as a part
// of the entry followed by digits (every later candidate is such a part, its
// number raised).
bool MayBeOnChain(std::string_view name, std::string_view entry) {
  if (name == entry) return true;
  const size_t stem = NumberStart(name.data(), name.size());
  return stem < name.size() && stem <= entry.size() && std::memcmp(name.data(), entry.data(), stem) == 0;
}

}  // namespace

ClashSearch::ClashSearch(NameIndex& names, const DistinctEntries& entries, size_t length, const NameEncoding& encoding)
    : names_(names), entries_(entries), encoding_(encoding), length_(length), resumes_(entries.size()) {}

bool ClashSearch::CanResume(std::string_view entry, const Resume& resume, size_t own) const {
  for (size_t k = resume.freed_seen; k < names_.FreedCount(); ++k) {
    if (MayBeOnChain(names_.Freed(k), entry)) return false;
  }
  return !(names_.HoldersOfNameOf(own) == 1 && MayBeOnChain(names_.NameOf(own), entry));
}

const char* ClashSearch::FreeName(size_t own, size_t k) {
  const uint32_t d = entries_.NumberOf(k);
  Resume& resume = resumes_[d];
  std::string_view start = entries_[d];
  size_t steps = 0;
  NameIndex::Place place;
  if (resume.stop.data() != nullptr && CanResume(start, resume, own)) {
    start = resume.stop;
    steps = resume.steps;
    place = resume.stop_place;
  } else {
    place = names_.Look(start, entries_.HashOf(d));
  }
  size_t size = start.size();
  std::memcpy(candidate_, start.data(), size);
  while (steps + 1 < length_ && names_.HeldByAnother(own, place)) {
    size = WriteNextCandidate(candidate_, size, encoding_, candidate_);
    place = names_.Look({candidate_, size});
    ++steps;
  }
  // Kept, so that the name entered after the rename is known at once.
  const std::string_view kept = names_.Keep({candidate_, size}, place);
  resume.stop = kept;
  resume.stop_place = place;
  resume.steps = steps;
  resume.freed_seen = names_.FreedCount();
  return kept.data();
}
