#pragma once
// Turning clipboard text into names: one entry per line, line ends removed,
// every character that is not printable replaced by a blank.
#include <string>
#include <vector>

typedef std::vector<std::string> NameList;

// Splits text at each line feed; a carriage return just before it goes too.
// Empty lines stay as empty entries; no entry follows a final line feed.
NameList ParseNameList(const std::string& text);
