// Name list parsing on arbitrary bytes: never a crash or an over-read, no
// entry holds a control character, and there is one entry per line.
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <cwctype>
#include <string>

#include "name_list.h"

namespace {

size_t LineCount(const std::string& text) {
  size_t lines = 0;
  for (char c : text) lines += c == '\n';
  if (!text.empty() && text.back() != '\n') ++lines;
  return lines;
}

bool HoldsControlCharacter(const std::string& entry) {
  std::mbstate_t state{};
  const char* cursor = entry.data();
  const char* end = cursor + entry.size();
  while (cursor < end) {
    wchar_t c;
    const size_t used = std::mbrtowc(&c, cursor, end - cursor, &state);
    if (used == 0 || used == static_cast<size_t>(-1) || used == static_cast<size_t>(-2)) return true;
    if (std::iswcntrl(c)) return true;
    cursor += used;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::setlocale(LC_ALL, "C.UTF-8");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The clipboard text never holds a NUL: it ends at the first one.
  std::string text(reinterpret_cast<const char*>(data), size);
  text = text.substr(0, text.find('\0'));
  const NameList names = ParseNameList(text);
  if (names.size() != LineCount(text)) std::abort();
  for (const std::string& entry : names.Strings()) {
    if (HoldsControlCharacter(entry)) std::abort();
  }
  return 0;
}
