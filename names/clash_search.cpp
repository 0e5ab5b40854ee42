#include "clash_search.h"

#include <cstring>

#include "name_hash.h"

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
  table_.resize(capacity);
  resumes_.reserve(entries);
}

ClashSearch::Resume& ClashSearch::ResumeOf(std::string_view entry) {
  const uint32_t hash = HashOfName(entry);
  const size_t mask = table_.size() - 1;
  for (size_t at = hash & mask;; at = (at + 1) & mask) {
    if (table_[at] == 0) {
      resumes_.push_back({entry, hash, {}, 0, 0});
      table_[at] = static_cast<uint32_t>(resumes_.size());
      return resumes_.back();
    }
    Resume& resume = resumes_[table_[at] - 1];
    if (resume.hash == hash && resume.entry == entry) return resume;
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
  if (resume.stop.data() != nullptr && CanResume(resume, own)) {
    start = resume.stop;
    steps = resume.steps;
  }
  size_t size = start.size();
  std::memcpy(candidate_, start.data(), size);
  NameIndex::Place place = names_.Look({candidate_, size});
  while (steps + 1 < length_ && names_.HeldByAnother(own, place)) {
    size = WriteNextCandidate(candidate_, size, encoding_, candidate_);
    place = names_.Look({candidate_, size});
    ++steps;
  }
  // Kept, so that the name entered after the rename is known at once.
  const std::string_view kept = names_.Keep({candidate_, size}, place);
  resume.stop = kept;
  resume.steps = steps;
  resume.freed_seen = names_.FreedCount();
  return kept.data();
}
