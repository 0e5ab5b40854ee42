#pragma once
// What Windows documents for the arguments of its code-page conversions: the
// error a call is refused with, or 0 when Windows accepts it. Wine accepts
// calls that Windows refuses, so the native stand-in and the strict layer of
// the Windows tests both hold every call to these rules. code_page is the one
// the call resolves to (CP_ACP already replaced by the ANSI code page).
#include <windows.h>

namespace code_page_rules {

// UTF-7, the symbol page and the ISO-2022 and ISCII pages take no flags at all.
inline bool TakesNoFlags(UINT code_page) {
  return code_page == 42 || code_page == CP_UTF7 || (code_page >= 50220 && code_page <= 50229) ||
         (code_page >= 57002 && code_page <= 57011);
}

// UTF-8 and GB18030 take only the flag that makes invalid input fail.
inline bool TakesOnlyErrorFlag(UINT code_page) { return code_page == CP_UTF8 || code_page == 54936; }

inline DWORD ToWideRefusal(UINT code_page, DWORD flags, const char* bytes, int byte_count, const wchar_t* wide,
                           int wide_count) {
  if (bytes == nullptr || byte_count == 0 || byte_count < -1 || wide_count < 0) return ERROR_INVALID_PARAMETER;
  if (wide == nullptr && wide_count != 0) return ERROR_INVALID_PARAMETER;
  if (static_cast<const void*>(bytes) == static_cast<const void*>(wide)) return ERROR_INVALID_PARAMETER;
  const DWORD known = MB_PRECOMPOSED | MB_COMPOSITE | MB_USEGLYPHCHARS | MB_ERR_INVALID_CHARS;
  if ((flags & ~known) != 0 || ((flags & MB_PRECOMPOSED) && (flags & MB_COMPOSITE))) return ERROR_INVALID_FLAGS;
  if (TakesNoFlags(code_page) && flags != 0) return ERROR_INVALID_FLAGS;
  if (TakesOnlyErrorFlag(code_page) && (flags & ~DWORD{MB_ERR_INVALID_CHARS}) != 0) return ERROR_INVALID_FLAGS;
  return 0;
}

inline DWORD ToMultiByteRefusal(UINT code_page, DWORD flags, const wchar_t* wide, int wide_count, const char* bytes,
                                int byte_count, const char* default_char, const BOOL* used_default_char) {
  if (wide == nullptr || wide_count == 0 || wide_count < -1 || byte_count < 0) return ERROR_INVALID_PARAMETER;
  if (bytes == nullptr && byte_count != 0) return ERROR_INVALID_PARAMETER;
  if (static_cast<const void*>(bytes) == static_cast<const void*>(wide)) return ERROR_INVALID_PARAMETER;
  const DWORD known = WC_DISCARDNS | WC_SEPCHARS | WC_DEFAULTCHAR | WC_ERR_INVALID_CHARS | WC_COMPOSITECHECK |
                      WC_NO_BEST_FIT_CHARS;
  if ((flags & ~known) != 0) return ERROR_INVALID_FLAGS;
  if (TakesNoFlags(code_page) && flags != 0) return ERROR_INVALID_FLAGS;
  if (TakesOnlyErrorFlag(code_page) && (flags & ~DWORD{WC_ERR_INVALID_CHARS}) != 0) return ERROR_INVALID_FLAGS;
  // The invalid-input flag belongs to UTF-8 and GB18030 alone.
  if (!TakesOnlyErrorFlag(code_page) && (flags & WC_ERR_INVALID_CHARS) != 0) return ERROR_INVALID_FLAGS;
  if ((code_page == CP_UTF7 || code_page == CP_UTF8) && (default_char != nullptr || used_default_char != nullptr)) {
    return ERROR_INVALID_PARAMETER;
  }
  return 0;
}

}  // namespace code_page_rules
