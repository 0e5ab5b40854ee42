#pragma once
// Test controls of the native Win32 stand-in: make the next call of a
// function fail, hold the clipboard for another thread, read what was sent
// to the debugger.
#include <string>
#include <vector>

#include <windows.h>

namespace compat {

enum class Failure { OpenClipboard, GlobalAlloc, GlobalReAlloc, GlobalLock, SetClipboardData };

// The next call of that function fails once.
COMPAT_CPP_API void FailNext(Failure which);

// Marks the clipboard as held open by another program (true) or frees it.
COMPAT_CPP_API void HoldClipboardElsewhere(bool held);

// The input language (the keyboard layout's) in use: the locale the system
// gives text placed on the clipboard without one. English (United States)
// unless set.
constexpr LCID kDefaultInputLanguage = 0x0409;
COMPAT_CPP_API void SetInputLanguage(LCID language);

// Empties the clipboard, forgets failures, debug output, refused calls and
// lock breaches, and puts back the default ANSI code page and input language.
COMPAT_CPP_API void ResetAll();

// Every string sent with OutputDebugStringW, in order.
COMPAT_CPP_API std::vector<std::wstring> DebugStrings();

// Blocks from GlobalAlloc not yet freed (the clipboard's own included).
COMPAT_CPP_API size_t LiveGlobalBlocks();

// Every block found still locked where Windows expects every GlobalLock undone
// (freed, handed to the clipboard, on the clipboard when it closes), described,
// since the last ResetAll.
COMPAT_CPP_API std::vector<std::string> LockBreaches();

// The system's ANSI code page: 1252 (the default) or 65001. False for others.
constexpr UINT kDefaultAnsiCodePage = 1252;
COMPAT_CPP_API bool SetAnsiCodePage(UINT code_page);

// Every call that Windows would have refused for its arguments, described,
// since the last ResetAll or ForgetRefusedCalls.
COMPAT_CPP_API std::vector<std::string> RefusedCalls();
COMPAT_CPP_API void ForgetRefusedCalls();

}  // namespace compat
