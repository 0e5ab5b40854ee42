// Name list parsing on arbitrary text: never a crash or an over-read, no
// entry holds a control character, there is one entry per line, and a line of
// ASCII bytes alone gets the entry the runtime's conversions give it. The text
// is code page text, or (first byte odd) a Unicode clipboard block read as a
// restore reads it: 16-bit units of the input, surrogates unpaired or not,
// with or without a terminating zero, with or without an odd last byte.
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <cwctype>
#include <string>

#include "clipboard_text.h"
#include "host_clipboard.h"
#include "parse_name_list.h"

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

// The wide text of 16-bit units, as wchar_t holds it: UTF-16 where wchar_t
// has 16 bits, else each pair of surrogates joined (unpaired ones kept).
std::wstring WideOf(const uint8_t* data, size_t size) {
  std::wstring wide;
  for (size_t at = 0; at + 1 < size; at += 2) {
    const uint32_t unit = data[at] | data[at + 1] << 8;
    const uint32_t next = at + 3 < size ? (data[at + 2] | data[at + 3] << 8) : 0;
    if (sizeof(wchar_t) > 2 && unit >= 0xD800 && unit < 0xDC00 && next >= 0xDC00 && next < 0xE000) {
      wide += static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
      at += 2;
    } else {
      wide += static_cast<wchar_t>(unit);
    }
  }
  return wide;
}

size_t LineCount(const std::wstring& text) {
  size_t lines = 0;
  for (wchar_t c : text) lines += c == L'\n';
  if (!text.empty() && text.back() != L'\n') ++lines;
  return lines;
}

// One entry per line, none with a control character; cut to `longest`, each
// entry is the uncut one's longest part that fits and ends on a character
// (the line still checked whole, so an invalid one stays invalid).
template <class Text>
void CheckEntries(const Text& text, size_t lines, size_t longest) {
  const NameEncoding encoding = NameEncoding::InForce();
  const NameList names = ParseNameList(text, encoding), cut = ParseNameList(text, encoding, longest);
  if (names.size() != lines || cut.size() != lines) std::abort();
  for (size_t k = 0; k < lines; ++k) {
    if (HoldsControlCharacter(std::string(names[k]))) std::abort();
    if (names[k] == kInvalidName && cut[k] == kInvalidName) continue;
    if (cut[k] != names[k].substr(0, encoding.FittingPrefix(names[k].data(), names[k].size(), longest))) std::abort();
  }
}

// A line of ASCII bytes alone is cleaned without the runtime's conversions:
// its entry is what the runtime makes of it with a character beyond ASCII
// after it (which takes the runtime's path), less that character.
void CheckAsciiLines(const std::string& text) {
  const NameEncoding encoding = NameEncoding::InForce();
  if (!encoding.KeepsAscii()) std::abort();  // the fuzzer's locale is UTF-8
  const NameList names = ParseNameList(text, encoding);
  size_t k = 0;
  for (size_t start = 0; start < text.size(); ++k) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (NameEncoding::IsAscii(line.data(), line.size())) {
      const NameList through_runtime = ParseNameList(line + "\xC3\xA9", encoding);
      if (std::string(through_runtime[0]) != std::string(names[k]) + "\xC3\xA9") std::abort();
    }
    start = end + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::setlocale(LC_ALL, "C.UTF-8");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  if (data[0] & 1) {
    std::wstring wide = WideOf(data + 1, size - 1);
    std::string block(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
    if (data[0] & 2) block.append(sizeof(wchar_t), '\0');  // terminated
    if (data[0] & 4) block += 'x';                          // an odd last byte
    if (!testhost::PutClipboardFormats({{CF_UNICODETEXT, block}})) std::abort();
    ClipboardContent content;
    ReadClipboardText(content);
    wide = wide.substr(0, wide.find(L'\0'));  // the text ends at its zero
    if (!content.unicode || content.wide != wide) std::abort();
    CheckEntries(content.wide, LineCount(wide), data[0] >> 3);
    return 0;
  }
  // The clipboard text never holds a NUL: it ends at the first one.
  std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  text = text.substr(0, text.find('\0'));
  CheckEntries(text, LineCount(text), data[0] >> 1);
  CheckAsciiLines(text);
  return 0;
}
