#pragma once
// The clipboard as the host (or a test) sees it, through the Win32
// calls: the real desktop clipboard on Windows, the stand-in natively.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace testhost {

// The locale of an English (United States) keyboard layout, which a Unicode
// editor's text carries when that layout is in use.
constexpr LCID kEnglishLocale = 0x0409;

// Replaces the clipboard's content with blocks of exactly these bytes, each
// of its format, placed in this order.
bool PutClipboardFormats(const std::vector<std::pair<UINT, std::string>>& blocks);
// The bytes of a Unicode text block holding text and one terminating zero.
std::string UnicodeBlock(const std::wstring& text);
// The bytes of a CF_LOCALE block.
std::string LocaleBlock(LCID locale);
// Replaces the clipboard's content with text and a zero as Unicode text
// (CF_UNICODETEXT), carrying locale (CF_LOCALE), as a Unicode editor does.
bool PutClipboardUnicode(const std::wstring& text, LCID locale = kEnglishLocale);
// The clipboard's formats, in the order it lists them.
std::vector<UINT> ClipboardFormats();
// The Unicode text block's characters up to its first zero (or all of them);
// "absent" is true when the clipboard offers no Unicode text.
std::wstring ClipboardUnicode(bool* absent = nullptr);
// Whether the clipboard lists Unicode text before code page text: the text
// that the program which filled it placed first.
bool ClipboardPrefersUnicode();

// Replaces the clipboard's content with text and one NUL as CF_TEXT.
bool PutClipboardText(const std::string& text);
// Replaces the clipboard's content with a CF_TEXT block of exactly these bytes.
bool PutClipboardBlock(const std::string& bytes);
// Empties the clipboard.
bool ClearClipboard();
// The CF_TEXT block's bytes up to and including its first NUL (or all of its
// bytes when it has none); "absent" is true when there is no CF_TEXT.
std::string ClipboardBlock(bool* absent = nullptr);

}  // namespace testhost
