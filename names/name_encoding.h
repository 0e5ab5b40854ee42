#pragma once
// The multibyte encoding of names, as the conversions find it in force: the
// host's ANSI code page, or the C runtime's locale where the host set one.
// A restore decides it once and uses it throughout, so that the names it cuts
// and numbers are cut on the character boundaries its parse saw.
#include <windows.h>

#include <string>

// The name of a line that does not convert.
constexpr char kInvalidName[] = "invalid";

class NameEncoding {
 public:
  // Whether the C runtime is still in its default "C" locale (or names none).
  static bool RuntimeInDefaultLocale();

  // On a C runtime still in its default "C" locale, the system's ANSI code
  // page: that locale takes every byte for a character of its own, which would
  // corrupt every name beyond ASCII. Otherwise the runtime's locale.
  static NameEncoding InForce();

  // The line as wide text; kInvalidName when it holds a sequence the
  // encoding rejects.
  std::wstring ToWide(const std::string& line) const;
  // The wide text as bytes; "invalid" when a character has no exact form.
  std::string ToMultiByte(const std::wstring& wide) const;

  // The same conversions into buffers that a caller keeps from line to line.
  // ToWideIn converts line[0, size), which a NUL follows unless the encoding
  // TakesLengths (the code page's conversions do), into wide, which
  // has WideRoom(size) characters; ToMultiByteIn converts wide[0, length),
  // which a zero follows, into line, which has ByteRoom(length) bytes. Each
  // ends its result with a zero and returns its length, or -1 where the
  // string versions give "invalid".
  size_t WideRoom(size_t size) const;
  size_t ByteRoom(size_t length) const;
  long ToWideIn(const char* line, size_t size, wchar_t* wide, size_t room) const;
  bool TakesLengths() const { return ansi_; }
  long ToMultiByteIn(const wchar_t* wide, size_t length, char* line, size_t room) const;

  // Whether bytes 0x01 to 0x7F are the characters U+0001 to U+007F, each
  // alone, both ways: true of every ANSI code page and of the runtime's
  // usual locales. Then a line of those bytes converts without the system or
  // the runtime.
  bool KeepsAscii() const { return keeps_ascii_; }
  static bool IsAscii(const char* text, size_t size) {
    for (size_t at = 0; at < size; ++at) {
      const auto byte = static_cast<unsigned char>(text[at]);
      if (byte == 0 || byte > 0x7F) return false;  // NUL is the runtime's end
    }
    return true;
  }

  // The bytes of the character that starts at text, of which left remain;
  // 1 for a byte that starts no whole character.
  size_t CharacterSize(const char* text, size_t left) const;
  // The size of the longest prefix of text[0, size) of at most limit bytes
  // that ends on a whole character.
  size_t FittingPrefix(const char* text, size_t size, size_t limit) const;

 private:
  // Converts in the system's ANSI code page.
  void UseAnsiCodePage();

  bool ansi_ = false;  // the ANSI code page, not the runtime's locale
  bool keeps_ascii_ = false;
  UINT code_page_ = 0;
  UINT max_character_size_ = 1;
  bool lead_byte_[256] = {};  // of a double-byte code page
};
