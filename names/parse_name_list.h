#pragma once
// Turning clipboard text into names: one entry per line, line ends removed,
// every character that is not printable replaced by a blank.
#include <cstdint>
#include <string>

#include "name_encoding.h"
#include "name_list.h"

// Splits text at each line feed; a carriage return just before it goes too.
// Empty lines stay as empty entries; no entry follows a final line feed.
// Lines are converted in encoding; one that does not convert becomes
// kInvalidName. Each entry is cut to its longest part of at most `longest`
// bytes that ends on a whole character; the whole line is still converted
// (and so can make the entry invalid), in pieces of bounded size.
NameList ParseNameList(const std::string& text, const NameEncoding& encoding, size_t longest = SIZE_MAX);

// The same for Unicode text: each line converted to bytes in encoding (one
// holding a character the encoding lacks, or a surrogate out of its pair,
// becomes kInvalidName).
NameList ParseNameList(const std::wstring& text, const NameEncoding& encoding, size_t longest = SIZE_MAX);

// The same in the encoding in force, not cut.
NameList ParseNameList(const std::string& text);
