// The system's character types, by Unicode: Windows classifies characters the
// same in every locale, so the stand-in asks a UTF-8 locale of its own.
#include <locale.h>

#include <cwchar>
#include <cwctype>

#include <windows.h>

namespace {

locale_t Unicode() {
  static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
  return unicode;
}

WORD TypesOf(wchar_t c) {
  const locale_t unicode = Unicode();
  WORD types = 0;
  if (iswupper_l(c, unicode)) types |= C1_UPPER;
  if (iswlower_l(c, unicode)) types |= C1_LOWER;
  if (iswdigit_l(c, unicode)) types |= C1_DIGIT;
  if (iswspace_l(c, unicode)) types |= C1_SPACE;
  if (iswpunct_l(c, unicode)) types |= C1_PUNCT;
  if (iswcntrl_l(c, unicode)) types |= C1_CNTRL;
  if (iswblank_l(c, unicode)) types |= C1_BLANK;
  if (iswxdigit_l(c, unicode)) types |= C1_XDIGIT;
  if (iswalpha_l(c, unicode)) types |= C1_ALPHA;
  if (types != 0 || iswprint_l(c, unicode)) types |= C1_DEFINED;
  return types;
}

}  // namespace

BOOL GetStringTypeW(DWORD info_type, LPCWSTR text, int count, LPWORD types) {
  if (info_type != CT_CTYPE1 || text == nullptr || types == nullptr || count == 0 || count < -1) {
    SetLastError(info_type != CT_CTYPE1 ? ERROR_INVALID_FLAGS : ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const size_t size = count == -1 ? std::wcslen(text) + 1 : static_cast<size_t>(count);
  for (size_t i = 0; i < size; ++i) types[i] = Unicode() ? TypesOf(text[i]) : 0;
  return Unicode() != nullptr;
}
