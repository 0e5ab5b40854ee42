#pragma once
// The host's name buffer: the host writes a name and its NUL into
// kNameBufferSize bytes, so a name it gives back has at most kLongestName
// bytes. A name is the bytes before the first NUL, or the whole buffer when
// the host wrote none (a faulty host).
#include <cstddef>
#include <cstring>

constexpr int kNameBufferSize = 250;
constexpr size_t kLongestName = kNameBufferSize - 1;

typedef char NameBuffer[kNameBufferSize];

// The size of the name in a filled buffer.
inline size_t NameSize(const char* buffer) {
  const void* nul = std::memchr(buffer, '\0', kNameBufferSize);
  return nul ? static_cast<size_t>(static_cast<const char*>(nul) - buffer) : kNameBufferSize;
}
