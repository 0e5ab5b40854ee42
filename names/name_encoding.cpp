#include "name_encoding.h"

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cstring>

#include "code_page_rules.h"

namespace {

// The size of the UTF-8 sequence that starts at text, or 1 when none does.
size_t Utf8SequenceSize(const unsigned char* text, size_t left) {
  const unsigned char lead = text[0];
  const size_t size = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1;
  if (size > left) return 1;
  for (size_t i = 1; i < size; ++i) {
    if ((text[i] & 0xC0) != 0x80) return 1;
  }
  return size;
}

}  // namespace

bool NameEncoding::RuntimeInDefaultLocale() {
  const char* locale = std::setlocale(LC_CTYPE, nullptr);
  return locale == nullptr || std::strcmp(locale, "C") == 0;
}

NameEncoding NameEncoding::InForce() {
  NameEncoding encoding;
  if (RuntimeInDefaultLocale()) encoding.UseAnsiCodePage();
  std::mblen(nullptr, 0);  // forget any shift state
  // Converted by the system or the runtime, as keeps_ascii_ is still false.
  char ascii[0x80];
  wchar_t wide[0x80];
  for (int c = 1; c < 0x80; ++c) ascii[c - 1] = static_cast<char>(c), wide[c - 1] = static_cast<wchar_t>(c);
  ascii[0x7F] = '\0', wide[0x7F] = L'\0';
  const std::wstring widened = encoding.ToWide(ascii);
  encoding.keeps_ascii_ = widened == wide && encoding.ToMultiByte(widened) == ascii;
  return encoding;
}

void NameEncoding::UseAnsiCodePage() {
  ansi_ = true;
  code_page_ = GetACP();
  CPINFO info;
  if (GetCPInfo(code_page_, &info)) {
    max_character_size_ = info.MaxCharSize;
    // Lead byte ranges: pairs of first and last byte, ending at a zero pair.
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
      for (int byte = info.LeadByte[i]; byte <= info.LeadByte[i + 1]; ++byte) lead_byte_[byte] = true;
    }
  }
}

size_t NameEncoding::WideRoom(size_t size) const { return 2 * size + 1; }

size_t NameEncoding::ByteRoom(size_t length) const {
  return (ansi_ ? max_character_size_ : static_cast<size_t>(MB_CUR_MAX)) * length + 1;
}

long NameEncoding::ToWideIn(const char* line, size_t size, wchar_t* wide, size_t room) const {
  if (size == 0) return wide[0] = L'\0', 0;
  if (keeps_ascii_ && IsAscii(line, size)) {
    for (size_t at = 0; at < size; ++at) wide[at] = static_cast<wchar_t>(line[at]);
    wide[size] = L'\0';
    return static_cast<long>(size);
  }
  if (ansi_) {
    // A byte never gives more than one wide character.
    const int length =
        MultiByteToWideChar(code_page_, MB_ERR_INVALID_CHARS, line, static_cast<int>(size), wide, static_cast<int>(room));
    if (length <= 0) return -1;
    wide[length] = L'\0';
    return length;
  }
  size_t converted = 0;
  // Some runtimes report success with a count that cannot be (a lone lead
  // byte at the end): such a result is no conversion either.
  if (mbstowcs_s(&converted, wide, room, line, _TRUNCATE) != 0 || converted == 0 || converted > room) return -1;
  return static_cast<long>(converted - 1);
}

long NameEncoding::ToMultiByteIn(const wchar_t* wide, size_t length, char* line, size_t room) const {
  if (length == 0) return line[0] = '\0', 0;
  if (keeps_ascii_ && std::all_of(wide, wide + length, [](wchar_t c) { return c > 0 && c < 0x80; })) {
    for (size_t at = 0; at < length; ++at) line[at] = static_cast<char>(wide[at]);
    line[length] = '\0';
    return static_cast<long>(length);
  }
  if (ansi_) {
    // UTF-8 (and GB18030) take no flag but the one that makes invalid input
    // fail, and no default character: Windows refuses any other call.
    const bool utf8 = code_page_rules::TakesOnlyErrorFlag(code_page_);
    BOOL lossy = FALSE;
    const int size = WideCharToMultiByte(code_page_, utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS, wide,
                                         static_cast<int>(length), line, static_cast<int>(room), nullptr,
                                         utf8 ? nullptr : &lossy);
    return size <= 0 || lossy ? -1 : size;
  }
  size_t converted = 0;
  if (wcstombs_s(&converted, line, room, wide, _TRUNCATE) != 0 || converted == 0 || converted > room) return -1;
  return static_cast<long>(converted - 1);
}

std::wstring NameEncoding::ToWide(const std::string& line) const {
  std::wstring wide(WideRoom(line.size()), L'\0');
  const long length = ToWideIn(line.c_str(), line.size(), &wide[0], wide.size());
  if (length < 0) return std::wstring(kInvalidName, kInvalidName + sizeof kInvalidName - 1);
  wide.resize(length);
  return wide;
}

std::string NameEncoding::ToMultiByte(const std::wstring& wide) const {
  std::string line(ByteRoom(wide.size()), '\0');
  const long size = ToMultiByteIn(wide.c_str(), wide.size(), &line[0], line.size());
  if (size < 0) return kInvalidName;
  line.resize(size);
  return line;
}

size_t NameEncoding::CharacterSize(const char* text, size_t left) const {
  if (left == 0) return 0;
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  if (!ansi_) {
    const int size = std::mblen(text, left);
    return size > 0 ? static_cast<size_t>(size) : 1;
  }
  if (max_character_size_ <= 1) return 1;
  if (max_character_size_ == 2) return lead_byte_[bytes[0]] && left >= 2 ? 2 : 1;
  return Utf8SequenceSize(bytes, left);
}

size_t NameEncoding::FittingPrefix(const char* text, size_t size, size_t limit) const {
  if (size <= limit) return size;
  size_t fitting = 0;
  while (fitting < size) {
    const size_t next = fitting + CharacterSize(text + fitting, size - fitting);
    if (next > limit) break;
    fitting = next;
  }
  return fitting;
}
