#include "name_list.h"

#include <cwctype>

#include "multibyte_text.h"

namespace {

// Some runtimes call the tab printable; no control character may reach a name.
bool IsPrintable(wchar_t c) { return std::iswprint(c) && !std::iswcntrl(c); }

std::string CleanLine(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::wstring wide = ToWide(line);
  for (wchar_t& c : wide) {
    if (!IsPrintable(c)) c = L' ';
  }
  return ToMultiByte(wide);
}

}  // namespace

NameList ParseNameList(const std::string& text) {
  NameList names;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    names.push_back(CleanLine(text.substr(start, end - start)));
    start = end + 1;
  }
  return names;
}
