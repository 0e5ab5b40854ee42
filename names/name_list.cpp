#include "name_list.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
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

// Whether wide[0, length) is well-formed Unicode: in UTF-16 every surrogate
// in a pair; in UTF-32 no surrogate and nothing past U+10FFFF. Text made by a
// conversion always is; Unicode text from another program need not be.
bool IsWellFormed(const wchar_t* wide, size_t length) {
  for (size_t at = 0; at < length; ++at) {
    const auto c = static_cast<uint32_t>(wide[at]);
    if (IsSurrogatePair(wide, length, at)) {
      ++at;
    } else if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
      return false;
    }
  }
  return true;
}

// Cleans lines into names, in buffers kept from line to line.
class LineCleaner {
 public:
  explicit LineCleaner(const NameEncoding& encoding) : encoding_(encoding) {}

  // Adds the line's name to names.
  void Clean(const char* line, size_t size, NameList& names) {
    if (size > 0 && line[size - 1] == '\r') --size;
    // The runtime's conversion reads up to a NUL: the line gets one of its own.
    if (!encoding_.TakesLengths()) {
      Fit(line_, size + 1);
      std::copy(line, line + size, line_.begin());
      line_[size] = '\0';
      line = line_.data();
    }
    Fit(wide_, encoding_.WideRoom(size));
    const long length = encoding_.ToWideIn(line, size, wide_.data(), wide_.size());
    if (length < 0) return names.Add(kInvalidName);
    AddCleaned(static_cast<size_t>(length), names);
  }

  // Adds the name of a line of Unicode text.
  void CleanWide(const wchar_t* line, size_t length, NameList& names) {
    if (length > 0 && line[length - 1] == L'\r') --length;
    if (!IsWellFormed(line, length)) return names.Add(kInvalidName);
    Fit(wide_, length + 1);
    std::copy(line, line + length, wide_.begin());
    wide_[length] = L'\0';
    AddCleaned(length, names);
  }

 private:
  // Adds the name of the line in wide_[0, length): every character that is
  // not printable becomes a blank, and the line converts back to bytes.
  void AddCleaned(size_t length, NameList& names) {
    for (size_t at = 0; at < length; ++at) {
      const wchar_t c = wide_[at];
      if (c >= 0x20 && c < 0x7F) continue;  // printable ASCII, the most of names
      if (IsSurrogatePair(wide_.data(), length, at)) {
        ++at;
      } else if (!IsPrintable(c)) {
        wide_[at] = L' ';
      }
    }
    Fit(bytes_, encoding_.ByteRoom(length));
    const long cleaned = encoding_.ToMultiByteIn(wide_.data(), length, bytes_.data(), bytes_.size());
    names.Add(cleaned < 0 ? std::string_view(kInvalidName) : std::string_view(bytes_.data(), cleaned));
  }

  template <class Buffer>
  static void Fit(Buffer& buffer, size_t size) {
    if (buffer.size() < size) buffer.resize(std::max(size, 2 * buffer.size()));
  }

  const NameEncoding& encoding_;
  std::vector<char> line_, bytes_;
  std::vector<wchar_t> wide_;
};

}  // namespace

NameList::NameList(std::initializer_list<std::string> names) {
  for (const std::string& name : names) Add(name);
}

void NameList::Reserve(size_t entries, size_t bytes) {
  spans_.reserve(entries);
  bytes_.reserve(bytes);
}

void NameList::Add(std::string_view name) {
  // A text past 4 GiB (only a 64-bit build could hold one) ends the command.
  if (bytes_.size() + name.size() > UINT32_MAX) throw std::length_error("name list of 4 GiB");
  spans_.push_back(Span{static_cast<uint32_t>(bytes_.size()), static_cast<uint32_t>(name.size())});
  bytes_.append(name.data(), name.size());
}

std::vector<std::string> NameList::Strings() const {
  std::vector<std::string> strings;
  for (size_t k = 0; k < size(); ++k) strings.emplace_back((*this)[k]);
  return strings;
}

NameList ParseNameList(const std::string& text, const NameEncoding& encoding) {
  NameList names;
  // A line's name is about as long as the line: one block holds them all.
  names.Reserve(text.size() / 16 + 1, text.size());
  LineCleaner cleaner(encoding);
  const char* const end = text.data() + text.size();
  for (const char* start = text.data(); start < end;) {
    const char* line_end = static_cast<const char*>(std::memchr(start, '\n', end - start));
    if (line_end == nullptr) line_end = end;
    cleaner.Clean(start, line_end - start, names);
    start = line_end + 1;
  }
  return names;
}

NameList ParseNameList(const std::wstring& text, const NameEncoding& encoding) {
  NameList names;
  names.Reserve(text.size() / 16 + 1, text.size());
  LineCleaner cleaner(encoding);
  for (size_t start = 0; start < text.size();) {
    size_t line_end = text.find(L'\n', start);
    if (line_end == std::wstring::npos) line_end = text.size();
    cleaner.CleanWide(text.data() + start, line_end - start, names);
    start = line_end + 1;
  }
  return names;
}

NameList ParseNameList(const std::string& text) { return ParseNameList(text, NameEncoding::InForce()); }
