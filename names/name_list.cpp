#include "name_list.h"

#include <windows.h>

#include <cwctype>


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

// Where wide text is UTF-16, a character beyond the first 65,536 comes as a
// pair of surrogates, which the runtime does not classify; none of those
// characters is a control character, so the pair is kept whole.
bool IsSurrogatePair(const std::wstring& wide, size_t at) {
  return sizeof(wchar_t) == 2 && at + 1 < wide.size() && wide[at] >= 0xD800 && wide[at] <= 0xDBFF &&
         wide[at + 1] >= 0xDC00 && wide[at + 1] <= 0xDFFF;
}

std::string CleanLine(std::string line, const NameEncoding& encoding) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::wstring wide = encoding.ToWide(line);
  for (size_t at = 0; at < wide.size(); ++at) {
    if (IsSurrogatePair(wide, at)) {
      ++at;
    } else if (!IsPrintable(wide[at])) {
      wide[at] = L' ';
    }
  }
  return encoding.ToMultiByte(wide);
}

}  // namespace

NameList ParseNameList(const std::string& text, const NameEncoding& encoding) {
  NameList names;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    names.push_back(CleanLine(text.substr(start, end - start), encoding));
    start = end + 1;
  }
  return names;
}

NameList ParseNameList(const std::string& text) { return ParseNameList(text, NameEncoding::InForce()); }
