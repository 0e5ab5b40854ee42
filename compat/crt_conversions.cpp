// The C runtime's bounded multibyte conversions, in the current locale, with
// the runtime's error codes: EINVAL for bad arguments, EILSEQ for a sequence
// the locale rejects, STRUNCATE when _TRUNCATE cut the result short, ERANGE
// when the result does not fit without it. On every error dest holds "".
#include <cerrno>
#include <climits>
#include <cstring>
#include <cwchar>

#include <windows.h>

namespace {

// The rules both conversions share. next(units) converts the next character
// of the source into units and gives how many it wrote (0 at the source's
// end, -1 for a sequence the locale rejects). count limits what is written
// (in the destination's units) unless it is _TRUNCATE; where count_first,
// the limit stops the conversion before the next character is looked at.
template <class Unit, class Next>
errno_t Convert(size_t* converted, Unit* dest, size_t dest_size, bool has_source, size_t count, bool count_first,
                Next next) {
  if (converted) *converted = 0;
  if (!has_source || (dest == nullptr && dest_size != 0) || (dest != nullptr && dest_size == 0)) return EINVAL;
  const bool truncating = count == _TRUNCATE;
  const size_t limit = dest ? (truncating ? dest_size - 1 : (count < dest_size ? count : dest_size)) : SIZE_MAX;
  size_t written = 0;
  for (;;) {
    if (count_first && !truncating && written == count) break;
    Unit units[MB_LEN_MAX];
    const long length = next(units);
    if (length == 0) break;
    if (length < 0) {
      if (dest) dest[0] = Unit{0};
      return EILSEQ;
    }
    const size_t size = static_cast<size_t>(length);
    if (!truncating && written + size > count) break;
    if (written + size > limit) {
      if (truncating) {
        dest[written] = Unit{0};
        if (converted) *converted = written + 1;
        return STRUNCATE;
      }
      dest[0] = Unit{0};
      return ERANGE;
    }
    if (dest) std::memcpy(dest + written, units, size * sizeof(Unit));
    written += size;
  }
  if (dest) {
    if (written >= dest_size) {
      dest[0] = Unit{0};
      return ERANGE;
    }
    dest[written] = Unit{0};
  }
  if (converted) *converted = written + 1;
  return 0;
}

}  // namespace

errno_t mbstowcs_s(size_t* converted, wchar_t* dest, size_t dest_size, const char* src, size_t count) {
  std::mbstate_t state{};
  const char* cursor = src;
  const char* const end = src ? src + std::strlen(src) : nullptr;
  return Convert(converted, dest, dest_size, src != nullptr, count, true, [&](wchar_t* units) -> long {
    if (cursor == end) return 0;
    const size_t used = std::mbrtowc(units, cursor, end - cursor, &state);
    if (used == static_cast<size_t>(-1) || used == static_cast<size_t>(-2)) return -1;
    cursor += used;
    return 1;
  });
}

errno_t wcstombs_s(size_t* converted, char* dest, size_t dest_size, const wchar_t* src, size_t count) {
  std::mbstate_t state{};
  const wchar_t* cursor = src;
  return Convert(converted, dest, dest_size, src != nullptr, count, false, [&](char* units) -> long {
    if (*cursor == L'\0') return 0;
    const size_t length = std::wcrtomb(units, *cursor++, &state);
    return length == static_cast<size_t>(-1) ? -1 : static_cast<long>(length);
  });
}
