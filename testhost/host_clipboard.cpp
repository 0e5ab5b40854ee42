#include "host_clipboard.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace testhost {

namespace {

// Places a block of size bytes, those of data followed by a NUL when
// terminated, on the open clipboard; copies the bytes once.
bool Place(UINT format, const char* data, size_t size, bool terminated) {
  const size_t total = size + (terminated ? 1 : 0);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, total ? total : 1);
  if (block == nullptr) return false;
  bool placed = false;
  if (auto* bytes = static_cast<char*>(GlobalLock(block))) {
    std::memcpy(bytes, data, size);
    if (terminated) bytes[size] = '\0';
    GlobalUnlock(block);
    placed = SetClipboardData(format, block) != nullptr;
  }
  if (!placed) GlobalFree(block);
  return placed;
}

// The characters of the clipboard's block of format up to its first zero
// (with it, when with_zero), or all of them when it has none; absent is true
// when the clipboard offers no such block.
template <class Char>
std::basic_string<Char> ReadBlock(UINT format, bool with_zero, bool* absent) {
  if (absent) *absent = true;
  std::basic_string<Char> text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE block = GetClipboardData(format)) {
    if (absent) *absent = false;
    if (const auto* data = static_cast<const Char*>(GlobalLock(block))) {
      const Char* end = data + GlobalSize(block) / sizeof(Char);
      const Char* zero = std::find(data, end, Char{0});
      text.assign(data, zero == end || !with_zero ? zero : zero + 1);
      GlobalUnlock(block);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace

bool PutClipboardFormats(const std::vector<std::pair<UINT, std::string>>& blocks) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  bool done = true;
  for (const auto& [format, bytes] : blocks) done = Place(format, bytes.data(), bytes.size(), false) && done;
  CloseClipboard();
  return done;
}

bool PutClipboardBlock(const std::string& bytes) { return PutClipboardFormats({{CF_TEXT, bytes}}); }

std::string UnicodeBlock(const std::wstring& text) {
  return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t));
}

std::string LocaleBlock(LCID locale) { return std::string(reinterpret_cast<const char*>(&locale), sizeof locale); }

bool PutClipboardUnicode(const std::wstring& text, LCID locale) {
  return PutClipboardFormats({{CF_UNICODETEXT, UnicodeBlock(text)}, {CF_LOCALE, LocaleBlock(locale)}});
}

std::vector<UINT> ClipboardFormats() {
  std::vector<UINT> formats;
  if (!OpenClipboard(nullptr)) return formats;
  for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
    formats.push_back(format);
  }
  CloseClipboard();
  return formats;
}

std::wstring ClipboardUnicode(bool* absent) { return ReadBlock<wchar_t>(CF_UNICODETEXT, false, absent); }

bool ClipboardPrefersUnicode() {
  for (UINT format : ClipboardFormats()) {
    if (format == CF_TEXT || format == CF_UNICODETEXT) return format == CF_UNICODETEXT;
  }
  return false;
}

bool PutClipboardText(const std::string& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  const bool done = Place(CF_TEXT, text.data(), text.size(), true);
  CloseClipboard();
  return done;
}

bool ClearClipboard() {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  CloseClipboard();
  return true;
}

std::string ClipboardBlock(bool* absent) { return ReadBlock<char>(CF_TEXT, true, absent); }

}  // namespace testhost
