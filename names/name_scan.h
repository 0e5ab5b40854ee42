#pragma once
// Finding where a name the host wrote ends, eight bytes at a time: names are
// read by the million, and a byte loop or a library call costs more than the
// host's own call in a fast host.
#include <cstdint>
#include <cstring>

// The offset of the first NUL in bytes[0, limit), or limit when there is
// none. All limit bytes must be readable and hold values (a buffer filled
// once, then written over by the host).
inline size_t FindNul(const char* bytes, size_t limit) {
  constexpr uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
  size_t at = 0;
  for (; at + 8 <= limit; at += 8) {
    uint64_t word;
    std::memcpy(&word, bytes + at, 8);
    // Nonzero where a byte is zero; its lowest such byte is the first NUL
    // (bytes are stored least significant first on the machines we build for).
    const uint64_t zeros = (word - kOnes) & ~word & kHighs;
    if (zeros != 0) return at + static_cast<size_t>(__builtin_ctzll(zeros)) / 8;
  }
  for (; at < limit; ++at) {
    if (bytes[at] == '\0') return at;
  }
  return limit;
}
