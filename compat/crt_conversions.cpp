// The C runtime's bounded multibyte conversions, in the current locale, with
// the runtime's error codes: EINVAL for bad arguments, EILSEQ for a sequence
// the locale rejects, STRUNCATE when _TRUNCATE cut the result short, ERANGE
// when the result does not fit without it. On every error dest holds "".
#include <cerrno>
#include <climits>
#include <cstring>
#include <cwchar>

#include <windows.h>

errno_t mbstowcs_s(size_t* converted, wchar_t* dest, size_t dest_size, const char* src, size_t count) {
  if (converted) *converted = 0;
  if (src == nullptr || (dest == nullptr && dest_size != 0) || (dest != nullptr && dest_size == 0)) return EINVAL;
  const bool truncating = count == _TRUNCATE;
  const size_t limit = dest ? (truncating ? dest_size - 1 : (count < dest_size ? count : dest_size)) : SIZE_MAX;
  std::mbstate_t state{};
  size_t written = 0;
  const char* cursor = src;
  const size_t src_length = std::strlen(src);
  const char* end = src + src_length;
  while (cursor < end) {
    if (!truncating && written == count) break;
    wchar_t c;
    const size_t used = std::mbrtowc(&c, cursor, end - cursor, &state);
    if (used == static_cast<size_t>(-1) || used == static_cast<size_t>(-2)) {
      if (dest) dest[0] = L'\0';
      return EILSEQ;
    }
    if (written == limit) {
      if (truncating) {
        dest[written] = L'\0';
        if (converted) *converted = written + 1;
        return STRUNCATE;
      }
      dest[0] = L'\0';
      return ERANGE;
    }
    if (dest) dest[written] = c;
    ++written;
    cursor += used;
  }
  if (dest) {
    if (written >= dest_size) {
      dest[0] = L'\0';
      return ERANGE;
    }
    dest[written] = L'\0';
  }
  if (converted) *converted = written + 1;
  return 0;
}

errno_t wcstombs_s(size_t* converted, char* dest, size_t dest_size, const wchar_t* src, size_t count) {
  if (converted) *converted = 0;
  if (src == nullptr || (dest == nullptr && dest_size != 0) || (dest != nullptr && dest_size == 0)) return EINVAL;
  const bool truncating = count == _TRUNCATE;
  const size_t limit = dest ? (truncating ? dest_size - 1 : (count < dest_size ? count : dest_size)) : SIZE_MAX;
  std::mbstate_t state{};
  size_t written = 0;
  for (const wchar_t* cursor = src; *cursor != L'\0'; ++cursor) {
    char bytes[MB_LEN_MAX];
    const size_t length = std::wcrtomb(bytes, *cursor, &state);
    if (length == static_cast<size_t>(-1)) {
      if (dest) dest[0] = '\0';
      return EILSEQ;
    }
    if (!truncating && written + length > count) break;
    if (written + length > limit) {
      if (truncating) {
        dest[written] = '\0';
        if (converted) *converted = written + 1;
        return STRUNCATE;
      }
      dest[0] = '\0';
      return ERANGE;
    }
    if (dest) std::memcpy(dest + written, bytes, length);
    written += length;
  }
  if (dest) {
    if (written >= dest_size) {
      dest[0] = '\0';
      return ERANGE;
    }
    dest[written] = '\0';
  }
  if (converted) *converted = written + 1;
  return 0;
}
