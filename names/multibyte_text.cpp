#include "multibyte_text.h"

#include <windows.h>

#include <clocale>
#include <cstdlib>
#include <cstring>

namespace {

#if defined(_WIN32)
// A runtime still in its default "C" locale maps the bytes 0x80 to 0x9F to
// control characters, which would corrupt every name of the host's ANSI code
// page; then the system's ANSI code page converts instead.
bool InDefaultLocale() {
  const char* locale = std::setlocale(LC_CTYPE, nullptr);
  return locale == nullptr || std::strcmp(locale, "C") == 0;
}

bool AnsiToWide(const std::string& line, std::wstring& wide) {
  if (line.empty()) return wide.clear(), true;
  const int length = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, line.data(), static_cast<int>(line.size()),
                                         nullptr, 0);
  if (length <= 0) return false;
  wide.resize(length);
  return MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, line.data(), static_cast<int>(line.size()), &wide[0],
                             length) == length;
}

bool WideToAnsi(const std::wstring& wide, std::string& line) {
  if (wide.empty()) return line.clear(), true;
  BOOL lossy = FALSE;
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, &lossy);
  if (length <= 0 || lossy) return false;
  line.resize(length);
  return WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), &line[0],
                             length, nullptr, &lossy) == length &&
         !lossy;
}
#endif

}  // namespace

std::wstring ToWide(const std::string& line) {
#if defined(_WIN32)
  if (InDefaultLocale()) {
    std::wstring wide;
    return AnsiToWide(line, wide) ? wide : std::wstring(L"invalid");
  }
#endif
  // One wide character per byte at most, and the terminator.
  std::wstring wide(2 * line.size() + 1, L'\0');
  size_t converted = 0;
  if (mbstowcs_s(&converted, &wide[0], wide.size(), line.c_str(), _TRUNCATE) != 0) return L"invalid";
  wide.resize(converted > 0 ? converted - 1 : 0);
  return wide;
}

std::string ToMultiByte(const std::wstring& wide) {
#if defined(_WIN32)
  if (InDefaultLocale()) {
    std::string line;
    return WideToAnsi(wide, line) ? line : std::string("invalid");
  }
#endif
  // Room for the locale's longest character per wide character, and the NUL.
  std::string line(MB_CUR_MAX * wide.size() + 1, '\0');
  size_t converted = 0;
  if (wcstombs_s(&converted, &line[0], line.size(), wide.c_str(), _TRUNCATE) != 0) return "invalid";
  line.resize(converted > 0 ? converted - 1 : 0);
  return line;
}
