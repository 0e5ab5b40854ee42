#pragma once
// Plain text (CF_TEXT, the host's ANSI code page) to and from the clipboard.
#include <string>

// Puts text and one terminating NUL on the clipboard. Failures are silent: a
// block that cannot be had leaves the clipboard as it was; a block the
// clipboard refuses leaves it empty. On success the debugger receives "ok".
void WriteClipboardText(const std::string& text);

// Replaces text with the clipboard's text, when there is any: the bytes of the
// block up to its first NUL or its end, whichever comes first. Sends "ok" once
// the clipboard gave a block. True on every path.
bool ReadClipboardText(std::string& text);
