#include "name_list.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
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
bool IsSurrogatePair(const wchar_t* wide, size_t length, size_t at) {
  return sizeof(wchar_t) == 2 && at + 1 < length && wide[at] >= 0xD800 && wide[at] <= 0xDBFF &&
         wide[at + 1] >= 0xDC00 && wide[at + 1] <= 0xDFFF;
}

// Cleans lines into names, in buffers kept from line to line.
class LineCleaner {
 public:
  explicit LineCleaner(const NameEncoding& encoding) : encoding_(encoding) {}

  std::string Clean(const char* line, size_t size) {
    if (size > 0 && line[size - 1] == '\r') --size;
    // The conversions read up to a NUL: the line gets one of its own.
    Fit(line_, size + 1);
    std::copy(line, line + size, line_.begin());
    line_[size] = '\0';
    Fit(wide_, encoding_.WideRoom(size));
    const long length = encoding_.ToWideIn(line_.data(), size, wide_.data(), wide_.size());
    if (length < 0) return "invalid";
    for (long at = 0; at < length; ++at) {
      if (IsSurrogatePair(wide_.data(), length, at)) {
        ++at;
      } else if (!IsPrintable(wide_[at])) {
        wide_[at] = L' ';
      }
    }
    Fit(bytes_, encoding_.ByteRoom(length));
    const long cleaned = encoding_.ToMultiByteIn(wide_.data(), length, bytes_.data(), bytes_.size());
    return cleaned < 0 ? std::string("invalid") : std::string(bytes_.data(), cleaned);
  }

 private:
  template <class Buffer>
  static void Fit(Buffer& buffer, size_t size) {
    if (buffer.size() < size) buffer.resize(std::max(size, 2 * buffer.size()));
  }

  const NameEncoding& encoding_;
  std::vector<char> line_, bytes_;
  std::vector<wchar_t> wide_;
};

}  // namespace

NameList ParseNameList(const std::string& text, const NameEncoding& encoding) {
  NameList names;
  LineCleaner cleaner(encoding);
  const char* const end = text.data() + text.size();
  for (const char* start = text.data(); start < end;) {
    const char* line_end = static_cast<const char*>(std::memchr(start, '\n', end - start));
    if (line_end == nullptr) line_end = end;
    names.push_back(cleaner.Clean(start, line_end - start));
    start = line_end + 1;
  }
  return names;
}

NameList ParseNameList(const std::string& text) { return ParseNameList(text, NameEncoding::InForce()); }
