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

ClashSearch::ClashSearch(NameIndex& names, const NameList& entries, size_t pairs, size_t length,
                         const NameEncoding& encoding)
    : names_(names), encoding_(encoding), length_(length), resume_of_(pairs) {
  // Open addressing by entry, at most half full: 1 + the number of its
  // resume, 0 for none. Only needed while the resumes are made.
  size_t capacity = 16;
  while (capacity < 2 * pairs) capacity *= 2;
  std::vector<uint32_t> table(capacity);
  resumes_.reserve(pairs);
  const size_t mask = capacity - 1;
  for (size_t k = 0; k < pairs; ++k) {
    const std::string_view entry = entries[k];
    if (entry.empty()) continue;
    const uint32_t hash = HashOfName(entry);
    size_t at = hash & mask;
    while (table[at] != 0) {
      const Resume& resume = resumes_[table[at] - 1];
      if (resume.hash == hash && resume.entry == entry) break;
      at = (at + 1) & mask;
    }
    if (table[at] == 0) {
      resumes_.push_back({entry, hash, {}, {}, 0, 0});
      table[at] = static_cast<uint32_t>(resumes_.size());
    }
    resume_of_[k] = table[at] - 1;
  }
}

bool ClashSearch::CanResume(const Resume& resume, size_t own) const {
  for (size_t k = resume.freed_seen; k < names_.FreedCount(); ++k) {
    if (MayBeOnChain(names_.Freed(k), resume.entry)) return false;
  }
  return !(names_.HoldersOfNameOf(own) == 1 && MayBeOnChain(names_.NameOf(own), resume.entry));
}

const char* ClashSearch::FreeName(size_t own, size_t k) {
  Resume& resume = resumes_[resume_of_[k]];
  std::string_view start = resume.entry;
  size_t steps = 0;
  NameIndex::Place place;
  if (resume.stop.data() != nullptr && CanResume(resume, own)) {
    start = resume.stop;
    steps = resume.steps;
    place = resume.stop_place;
  } else {
    place = names_.Look(start, resume.hash);
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
