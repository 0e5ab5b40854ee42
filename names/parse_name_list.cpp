#include "parse_name_list.h"

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

// A line longer than this is converted piece by piece, so that a huge line
// takes a bounded amount of memory beyond its own text. A little more than a
// name: most lines are one piece.
constexpr size_t kPiece = 256;

// Cleans lines into names, in buffers kept from line to line. Each name keeps
// at most `longest` bytes, cut on a whole character, though the whole line is
// converted and checked.
class LineCleaner {
 public:
  LineCleaner(const NameEncoding& encoding, size_t longest) : encoding_(encoding), longest_(longest) {}

  // Adds the name of the line of code page text.
  void Clean(const char* line, size_t size, NameList& names) {
    if (size > 0 && line[size - 1] == '\r') --size;
    entry_.clear();
    if (encoding_.KeepsAscii() && NameEncoding::IsAscii(line, size)) {
      // Each byte a character: the controls become blanks, the rest stays.
      entry_.assign(line, std::min(size, longest_));
      for (char& c : entry_) c = c < 0x20 || c == 0x7F ? ' ' : c;
      return names.Add(entry_);
    }
    bool valid = true;
    for (size_t at = 0; valid && at < size;) {
      // Pieces end on whole characters: the conversions are stateless, so the
      // pieces convert as the line would.
      const size_t piece = size - at <= kPiece ? size - at : std::max<size_t>(1, encoding_.FittingPrefix(line + at, size - at, kPiece));
      valid = CleanPiece(line + at, piece);
      at += piece;
    }
    AddEntry(valid, names);
  }

  // Adds the name of a line of Unicode text.
  void Clean(const wchar_t* line, size_t length, NameList& names) {
    if (length > 0 && line[length - 1] == L'\r') --length;
    entry_.clear();
    bool valid = true;
    for (size_t at = 0; valid && at < length;) {
      size_t piece = std::min(length - at, kPiece);
      // A pair of surrogates stays in one piece.
      if (at + piece < length && IsSurrogatePair(line, length, at + piece - 1)) ++piece;
      valid = IsWellFormed(line + at, piece);
      if (valid) {
        Fit(wide_, piece + 1);
        std::copy(line + at, line + at + piece, wide_.begin());
        wide_[piece] = L'\0';
        valid = KeepCleaned(piece);
      }
      at += piece;
    }
    AddEntry(valid, names);
  }

 private:
  // Converts line[0, size) to wide text and keeps its cleaned bytes.
  bool CleanPiece(const char* line, size_t size) {
    // The runtime's conversion reads up to a NUL: the piece gets one of its own.
    if (!encoding_.TakesLengths()) {
      Fit(line_, size + 1);
      std::copy(line, line + size, line_.begin());
      line_[size] = '\0';
      line = line_.data();
    }
    Fit(wide_, encoding_.WideRoom(size));
    const long length = encoding_.ToWideIn(line, size, wide_.data(), wide_.size());
    return length >= 0 && KeepCleaned(static_cast<size_t>(length));
  }

  // Makes every character of wide_[0, length) that is not printable a blank,
  // converts it back to bytes and keeps as many as the name can need.
  bool KeepCleaned(size_t length) {
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
    const long size = encoding_.ToMultiByteIn(wide_.data(), length, bytes_.data(), bytes_.size());
    if (size < 0) return false;
    // Bytes past the longest name and one more character decide nothing.
    const size_t keep = longest_ == SIZE_MAX ? SIZE_MAX : longest_ + kMaxCharacterBytes;
    if (entry_.size() < keep) entry_.append(bytes_.data(), std::min<size_t>(size, keep - entry_.size()));
    return true;
  }

  void AddEntry(bool valid, NameList& names) {
    if (!valid) return names.Add(kInvalidName);
    names.Add(std::string_view(entry_.data(), encoding_.FittingPrefix(entry_.data(), entry_.size(), longest_)));
  }

  template <class Buffer>
  static void Fit(Buffer& buffer, size_t size) {
    if (buffer.size() < size) buffer.resize(std::max(size, 2 * buffer.size()));
  }

  // No character of a code page or a runtime's locale takes more bytes.
  static constexpr size_t kMaxCharacterBytes = 8;

  const NameEncoding& encoding_;
  const size_t longest_;
  std::vector<char> line_, bytes_;
  std::vector<wchar_t> wide_;
  std::string entry_;
};

// One entry per line of text, code page or Unicode.
template <class Char>
NameList ParseLines(const std::basic_string<Char>& text, const NameEncoding& encoding, size_t longest) {
  NameList names;
  // A line's name is about as long as the line, or the longest name: one block holds them all.
  const size_t lines = static_cast<size_t>(std::count(text.begin(), text.end(), Char('\n'))) + 1;
  names.Reserve(lines, longest == SIZE_MAX ? text.size() : std::min(text.size(), lines * longest));
  LineCleaner cleaner(encoding, longest);
  for (size_t start = 0; start < text.size();) {
    size_t line_end = text.find(Char('\n'), start);
    if (line_end == std::basic_string<Char>::npos) line_end = text.size();
    cleaner.Clean(text.data() + start, line_end - start, names);
    start = line_end + 1;
  }
  return names;
}

}  // namespace

NameList ParseNameList(const std::string& text, const NameEncoding& encoding, size_t longest) {
  return ParseLines(text, encoding, longest);
}

NameList ParseNameList(const std::wstring& text, const NameEncoding& encoding, size_t longest) {
  return ParseLines(text, encoding, longest);
}

NameList ParseNameList(const std::string& text) { return ParseNameList(text, NameEncoding::InForce()); }
