#pragma once
// Conversions between the host's multibyte code page and wide text, in the
// C runtime's current locale (which the plug-in never sets). A text that does
// not convert, or would be truncated, becomes "invalid".
#include <string>

std::wstring ToWide(const std::string& line);
std::string ToMultiByte(const std::wstring& wide);
