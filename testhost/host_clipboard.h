#pragma once
// The clipboard as the host (or a test) sees it, through the Win32
// calls: the real desktop clipboard on Windows, the stand-in natively.
#include <string>

namespace testhost {

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
