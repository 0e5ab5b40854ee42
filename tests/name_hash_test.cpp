#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "name_hash.h"

namespace {

// Exactly size bytes each, so that the sanitizer sees any read past them.
std::unique_ptr<char[]> Bytes(const std::string& text) {
  std::unique_ptr<char[]> bytes(new char[std::max<size_t>(text.size(), 1)]);
  std::copy(text.begin(), text.end(), bytes.get());
  return bytes;
}

// Every size the word-wise comparison splits differently (bytes, two
// overlapping words of 4, words of 8 with an overlapping last one), and a
// difference at every position of each.
TEST(SameBytes, TellsADifferenceAtEveryPositionOfEverySize) {
  for (size_t size = 0; size <= 40; ++size) {
    std::string name(size, ' ');
    for (size_t at = 0; at < size; ++at) name[at] = static_cast<char>('a' + at % 26);
    const auto a = Bytes(name), b = Bytes(name);
    EXPECT_TRUE(SameBytes(a.get(), b.get(), size)) << "size " << size;
    for (size_t at = 0; at < size; ++at) {
      std::string other = name;
      other[at] ^= 0x20;
      EXPECT_FALSE(SameBytes(a.get(), Bytes(other).get(), size)) << "size " << size << ", byte " << at;
    }
  }
  EXPECT_FALSE(SameName("Box", "Box1"));
  EXPECT_TRUE(SameName("", ""));
}

}  // namespace
