#pragma once
// Turning clipboard text into names: one entry per line, line ends removed,
// every character that is not printable replaced by a blank.
#include <string>
#include <vector>

#include "name_encoding.h"

typedef std::vector<std::string> NameList;

// Splits text at each line feed; a carriage return just before it goes too.
// Empty lines stay as empty entries; no entry follows a final line feed.
// Lines are converted in encoding; one that does not convert becomes "invalid".
NameList ParseNameList(const std::string& text, const NameEncoding& encoding);

// The same in the encoding in force.
NameList ParseNameList(const std::string& text);
