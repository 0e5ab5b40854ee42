#include "name_list.h"

#include <windows.h>

#include <cwctype>

namespace {

// The system's classes of c (CT_CTYPE1), 0 when it has none.
WORD SystemClasses(wchar_t c) {
  WORD classes = 0;
  return GetStringTypeW(CT_CTYPE1, &c, 1, &classes) ? classes : 0;
}

// Printable: what the runtime's iswprint calls printable, or what the system
// puts in a printing class. The system knows characters that the runtime's
// tables may not: its "C" locale may know nothing beyond ASCII, and some
// tables leave symbols such as the euro sign defined but in no class. Never
// a control character, which some runtimes call printable (the tab).
bool IsPrintable(wchar_t c) {
  if (c >= 0x20 && c < 0x7F) return true;  // printable ASCII, in every locale
  const WORD classes = SystemClasses(c);
  const bool system_prints = (classes & (C1_ALPHA | C1_DIGIT | C1_PUNCT | C1_BLANK)) != 0 || classes == C1_DEFINED;
  return (std::iswprint(c) || system_prints) && !std::iswcntrl(c) && (classes & C1_CNTRL) == 0;
}

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
