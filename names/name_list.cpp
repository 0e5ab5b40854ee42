#include "name_list.h"

#include <windows.h>

#include <cwctype>

#include "multibyte_text.h"

namespace {

#if defined(_WIN32)
// A character the system defines but puts in no class at all: some systems'
// tables leave currency and other symbols (the euro sign among them) there,
// and the runtime's iswprint then calls them unprintable.
bool IsDefinedSymbol(wchar_t c) {
  WORD type = 0;
  return GetStringTypeW(CT_CTYPE1, &c, 1, &type) && type == C1_DEFINED;
}
#else
bool IsDefinedSymbol(wchar_t) { return false; }
#endif

// Some runtimes call the tab printable; no control character may reach a name.
bool IsPrintable(wchar_t c) { return (std::iswprint(c) || IsDefinedSymbol(c)) && !std::iswcntrl(c); }

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
