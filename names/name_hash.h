#pragma once
// The hash of a name, and the test of two names for equal bytes, for a
// restore's tables.
#include <cstdint>
#include <cstring>
#include <string_view>

namespace name_hash {
inline uint64_t Load8(const char* at) {
  uint64_t word;
  std::memcpy(&word, at, 8);
  return word;
}
inline uint64_t Load4(const char* at) {
  uint32_t word;
  std::memcpy(&word, at, 4);
  return word;
}
}  // namespace name_hash

// Eight bytes a step: a byte-wise hash of a name costs more than the host's
// own name read (FNV-1a took a third of a 1,000-name restore's own time). The
// last bytes are read as overlapping words, without a call to copy them.
inline uint32_t HashOfName(std::string_view name) {
  using name_hash::Load4;
  using name_hash::Load8;
  constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  const char* const bytes = name.data();
  const size_t size = name.size();
  uint64_t hash = size * kMultiplier;
  uint64_t tail;
  if (size >= 8) {
    for (size_t at = 0; at + 8 < size; at += 8) {
      hash = (hash ^ Load8(bytes + at)) * kMultiplier;
      hash ^= hash >> 29;
    }
    tail = Load8(bytes + size - 8);
  } else if (size >= 4) {
    tail = Load4(bytes) << 32 | Load4(bytes + size - 4);
  } else {
    tail = size == 0 ? 0
                     : uint64_t{static_cast<unsigned char>(bytes[0])} << 16 |
                           uint64_t{static_cast<unsigned char>(bytes[size / 2])} << 8 |
                           static_cast<unsigned char>(bytes[size - 1]);
  }
  hash ^= tail;
  // Every input bit reaches the low bits, which pick the slot.
  hash = (hash ^ (hash >> 33)) * 0xFF51AFD7ED558CCDull;
  hash = (hash ^ (hash >> 33)) * 0xC4CEB9FE1A85EC53ull;
  return static_cast<uint32_t>(hash ^ (hash >> 33));
}

// Whether a and b, both of size bytes, hold the same bytes. Inline and by
// words, as the hash reads them: a restore compares short names by the
// thousand, and a library call per name cost more than the comparison.
inline bool SameBytes(const char* a, const char* b, size_t size) {
  using name_hash::Load4;
  using name_hash::Load8;
  if (size >= 8) {
    for (size_t at = 0; at + 8 < size; at += 8) {
      if (Load8(a + at) != Load8(b + at)) return false;
    }
    return Load8(a + size - 8) == Load8(b + size - 8);
  }
  if (size >= 4) return Load4(a) == Load4(b) && Load4(a + size - 4) == Load4(b + size - 4);
  for (size_t at = 0; at < size; ++at) {
    if (a[at] != b[at]) return false;
  }
  return true;
}

inline bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && SameBytes(a.data(), b.data(), a.size());
}
