#include "clash_search.h"

#include <cstring>
#include <functional>

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

ClashSearch::ClashSearch(NameIndex& names, size_t entries, size_t length, const NameEncoding& encoding)
    : names_(names), encoding_(encoding), length_(length) {
  size_t capacity = 16;
  while (capacity < 2 * entries) capacity *= 2;
  resumes_.resize(capacity);
}

ClashSearch::Resume& ClashSearch::ResumeOf(std::string_view entry) {
  const size_t mask = resumes_.size() - 1;
  for (size_t at = std::hash<std::string_view>()(entry) & mask;; at = (at + 1) & mask) {
    Resume& resume = resumes_[at];
    if (resume.entry.data() == nullptr || resume.entry == entry) return resume;
  }
}

bool ClashSearch::CanResume(const Resume& resume, size_t own) const {
  for (size_t k = resume.freed_seen; k < names_.FreedCount(); ++k) {
    if (MayBeOnChain(names_.Freed(k), resume.entry)) return false;
  }
  return !(names_.HoldersOfNameOf(own) == 1 && MayBeOnChain(names_.NameOf(own), resume.entry));
}

const char* ClashSearch::FreeName(size_t own, std::string_view entry) {
  Resume& resume = ResumeOf(entry);
  std::string_view start = entry;
  size_t steps = 0;
  if (resume.entry.data() != nullptr && CanResume(resume, own)) {
    start = resume.stop;
    steps = resume.steps;
  }
  size_t size = start.size();
  std::memcpy(candidate_, start.data(), size);
  while (steps + 1 < length_ && names_.HeldByAnother(own, {candidate_, size})) {
    size = WriteNextCandidate(candidate_, size, encoding_, candidate_);
    ++steps;
  }
  candidate_[size] = '\0';
  // The entry's bytes last as long as the search; a later candidate's are kept.
  resume = {entry, steps == 0 ? entry : names_.Keep({candidate_, size}), steps, names_.FreedCount()};
  return candidate_;
}
