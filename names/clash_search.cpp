#include "clash_search.h"

#include <cstring>

namespace {

std::string_view StemOf(std::string_view name) { return name.substr(0, NumberStart(name.data(), name.size())); }

size_t DecimalDigits(size_t value) {
  size_t digits = 1;
  for (; value >= 10; value /= 10) ++digits;
  return digits;
}

// Whether name can stand on entry's chain: as the entry itself, or as a part
// of the entry followed by digits (every later candidate is such a part, its
// number raised).
bool MayBeOnChain(std::string_view name, std::string_view entry) {
  if (name == entry) return true;
  const size_t stem = NumberStart(name.data(), name.size());
  return stem < name.size() && stem <= entry.size() && std::memcmp(name.data(), entry.data(), stem) == 0;
}

}  // namespace

ClashSearch::ClashSearch(const NameList& entries, size_t pairs, size_t length, const NameEncoding& encoding)
    : entry_of_(pairs, NameTable::kAbsent), encoding_(encoding), length_(length) {
  for (size_t k = 0; k < pairs; ++k) {
    if (!entries[k].empty()) entry_of_[k] = entries_.Add(entries[k]);
  }
  resumes_.resize(entries_.size());
  // Candidate k < length of a chain is the entry's stem followed by the
  // entry's number raised by k, which has at most the digits of both numbers
  // together: within the longest name, no character of the stem is cut.
  const size_t longest_uncut = kLongestName - DecimalDigits(length);
  for (uint32_t d = 0; d < entries_.size(); ++d) {
    every_name_asked_ = every_name_asked_ || entries_[d].size() > longest_uncut;
    const std::string_view stem = StemOf(entries_[d]);
    stems_.Add(stem);
    // A name of digits alone, or none, has the empty stem.
    for (char first : stem.empty() ? std::string_view("0123456789", 11) : stem.substr(0, 1)) {
      const auto byte = static_cast<unsigned char>(first);
      firsts_[byte / 64] |= uint64_t{1} << (byte % 64);
    }
  }
}

bool ClashSearch::MayBeAsked(std::string_view name) const {
  return every_name_asked_ || stems_.Find(StemOf(name)) != NameTable::kAbsent;
}

bool ClashSearch::CanResume(const NameIndex& names, std::string_view entry, const Resume& resume,
                            size_t own) const {
  for (size_t k = resume.freed_seen; k < names.FreedCount(); ++k) {
    if (MayBeOnChain(names.Freed(k), entry)) return false;
  }
  return !(names.HoldersOfNameOf(own) == 1 && MayBeOnChain(names.NameOf(own), entry));
}

const char* ClashSearch::FindFreeName(NameIndex& names, size_t own, size_t k) {
  const std::string_view entry = entries_[entry_of_[k]];
  Resume& resume = resumes_[entry_of_[k]];
  std::string_view start = entry;
  size_t steps = 0;
  if (resume.stop.data() != nullptr && CanResume(names, entry, resume, own)) {
    start = resume.stop;
    steps = resume.steps;
  }
  size_t size = start.size();
  std::memcpy(candidate_, start.data(), size);
  while (steps + 1 < length_ && names.HeldByAnother(own, {candidate_, size})) {
    size = WriteNextCandidate(candidate_, size, encoding_, candidate_);
    ++steps;
  }
  const char* free_name = names.Intern({candidate_, size});
  resume = {{free_name, size}, steps, names.FreedCount()};
  return free_name;
}
