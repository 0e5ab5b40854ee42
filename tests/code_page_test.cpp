// Names in the system's ANSI code page survive a restore: on a Windows set to UTF-8 (code page 65001, answered by
// the strict code-page layer, since Wine cannot be set to it), and under Wine in every ANSI code page a user's
// Windows may have, both in the C runtime's default "C" locale and in a locale the host has set.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <optional>

#include "code_page_system.h"
#include "host_clipboard.h"
#include "hosted_test.h"
#include "menu_list.h"
#include "name_encoding.h"
#include "scoped_locale.h"

namespace {

using testsupport::HostedTest;

class CodePage : public HostedTest {
 protected:
  // The name a target receives from line, for objects and materials alike,
  // while others hold the names given.
  std::string Restored(const std::string& line, const std::vector<std::string>& others = {}) {
    EXPECT_TRUE(testhost::PutClipboardText(line + "\r\n"));
    return RestoredFromClipboard(others);
  }
  // The same from a Unicode editor's text, placed while an English keyboard
  // layout is in use.
  std::string RestoredFromUnicode(const std::wstring& line) {
    EXPECT_TRUE(testhost::PutClipboardUnicode(line + L"\r\n"));
    return RestoredFromClipboard({});
  }
  // A line of every byte from 0x01 to 0x7F but the line feed converts
  // without the runtime when it stands alone, and through the runtime when a
  // character beyond ASCII (other) stands beside it: the two give the same
  // bytes, restored and copied as Unicode text. (A NUL ends clipboard text.)
  void ExpectAsciiAsTheRuntimeConvertsIt(const std::string& other, const char* locale) {
    ASSERT_TRUE(NameEncoding::InForce().KeepsAscii()) << locale;  // else both ways are the runtime's
    std::string ascii, cleaned;
    for (char c = 1; c > 0; ++c) {
      if (c == '\n') continue;
      ascii += c;
      cleaned += c < 0x20 || c == 0x7F ? ' ' : c;
    }
    EXPECT_EQ(Restored(ascii), cleaned) << locale;
    EXPECT_EQ(Restored(ascii + other), cleaned + other) << locale;
    EXPECT_EQ(Restored(other + ascii), other + cleaned) << locale;
    const std::wstring wide_ascii = CopiedAsUnicode({ascii});
    ASSERT_EQ(wide_ascii.size(), ascii.size() + 1) << locale;
    for (size_t at = 0; at < ascii.size(); ++at) EXPECT_EQ(wide_ascii[at], static_cast<wchar_t>(ascii[at])) << locale;
    EXPECT_EQ(CopiedAsUnicode({ascii, other}).substr(0, wide_ascii.size()), wide_ascii) << locale;
  }
  std::wstring CopiedAsUnicode(const std::vector<std::string>& names) {
    testhost::Document scene;
    for (const std::string& name : names) scene.AddObject(name, 0, false, 1);
    EXPECT_TRUE(plugin().Execute(kMenuCopyObjectNames, scene.handle()));
    return testhost::ClipboardUnicode();
  }
  std::string RestoredFromClipboard(const std::vector<std::string>& others) {
    testhost::Document scene;
    scene.AddObject("before", 0, false, 1);
    scene.AddMaterial("before", 1);
    for (const std::string& other : others) {
      scene.AddObject(other);
      scene.AddMaterial(other);
    }
    EXPECT_TRUE(plugin().Execute(kMenuRestoreObjectNames, scene.handle()));
    EXPECT_TRUE(plugin().Execute(kMenuRestoreMaterialNames, scene.handle()));
    EXPECT_EQ(scene.MaterialNames()[0], scene.ObjectNames()[0]);
    return scene.ObjectNames()[0];
  }
};

class Utf8CodePage : public CodePage {
 protected:
  void SetUp() override {
    CodePage::SetUp();
    utf8_.emplace();  // after the stand-in's reset
  }
  std::optional<testsupport::Utf8System> utf8_;
};

TEST_F(Utf8CodePage, NamesOfEveryScriptSurvive) {
  for (const std::string name : {"Caf\xC3\xA9 cr\xC3\xA8me", "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82",
                                 "\xE5\x90\x8D\xE5\x89\x8D", "\xE2\x82\xAC 5", "\xF0\x9F\x90\xB1 cat"}) {
    EXPECT_EQ(Restored(name), name);
  }
  EXPECT_EQ(Restored("\xE2\x82\xAC", {"\xE2\x82\xAC"}), "\xE2\x82\xAC" "1");
}

// Names typed in a Unicode editor while an English keyboard layout is in use:
// the system would make code page text of them with that layout's code page
// (1252), where they are question marks. The plug-in reads the Unicode text.
TEST_F(Utf8CodePage, UnicodeTextUnderAnotherLayoutKeepsItsNames) {
  testhost::Document scene;
  for (int i = 0; i < 3; ++i) {
    scene.AddObject("before", 0, false, 1);
    scene.AddMaterial("before", 1);
  }
  ASSERT_TRUE(testhost::PutClipboardUnicode(L"\u90E8\u54C1\r\n\u8ECA\u8F2A\r\n\u30AC\u30E9\u30B9\r\n"));
  ASSERT_TRUE(plugin().Execute(kMenuRestoreObjectNames, scene.handle()));
  ASSERT_TRUE(plugin().Execute(kMenuRestoreMaterialNames, scene.handle()));
  const std::vector<std::string> names{"\xE9\x83\xA8\xE5\x93\x81", "\xE8\xBB\x8A\xE8\xBC\xAA",
                                       "\xE3\x82\xAC\xE3\x83\xA9\xE3\x82\xB9"};
  EXPECT_EQ(scene.ObjectNames(), names);
  EXPECT_EQ(scene.MaterialNames(), names);
}

TEST_F(Utf8CodePage, BrokenSequencesBecomeInvalid) {
  // Cut short, a lone continuation byte, an encoded surrogate, overlong.
  for (const std::string line : {"\xC3", "a\x80", "\xED\xA0\x80", "\xC0\xAF", "\xF8\x88\x80\x80\x80"}) {
    EXPECT_EQ(Restored(line), "invalid");
  }
  EXPECT_EQ(NameEncoding::InForce().ToMultiByte(std::wstring(1, static_cast<wchar_t>(0xD800))), "invalid");
  EXPECT_EQ(NameEncoding::InForce().ToWide("a\x80"), L"invalid");
}

TEST_F(Utf8CodePage, ALongLineIsCutOnAWholeCharacter) {
  std::string line;
  for (int i = 0; i < 150; ++i) line += "\xC3\xA9";  // 300 bytes
  EXPECT_EQ(Restored(line), line.substr(0, 248));
  // A two-byte character from its first lead byte on, and a four-byte one,
  // each ending past byte 249.
  EXPECT_EQ(Restored(std::string(248, 'a') + "\xC2\xA9" + "x"), std::string(248, 'a'));
  EXPECT_EQ(Restored(std::string(246, 'a') + "\xF0\x9F\x90\xB1" + "x"), std::string(246, 'a'));
}

// A long Unicode line goes through the conversions in pieces of 256
// characters; a character beyond U+FFFF across that boundary (in UTF-16 a pair
// of surrogates) stays whole, and the line is no invalid one.
TEST_F(Utf8CodePage, ACharacterBeyondTheFirstPlaneAtAPieceBoundaryStaysWhole) {
  EXPECT_EQ(RestoredFromUnicode(std::wstring(255, L'a') + L"\U0001F431" + L"b"), std::string(249, 'a'));
  EXPECT_EQ(RestoredFromUnicode(std::wstring(245, L'a') + L"\U0001F431"), std::string(245, 'a') + "\xF0\x9F\x90\xB1");
}

TEST_F(Utf8CodePage, AsciiConvertsAsTheRuntimeConvertsIt) {
  ExpectAsciiAsTheRuntimeConvertsIt("\xC3\xA9", "C");
}

// What Windows refuses on a UTF-8 system, the strict layer refuses too.
TEST_F(Utf8CodePage, TheStrictLayerRefusesWhatWindowsRefuses) {
  char bytes[8];
  BOOL lossy = FALSE;
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, L"x", 1, bytes, sizeof bytes, nullptr, &lossy), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_FLAGS));
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"x", 1, bytes, sizeof bytes, nullptr, &lossy), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(testsupport::RefusedCodePageCalls().size(), 2u);
  testsupport::ForgetRefusedCodePageCalls();
}

#if !defined(_WIN32)
// Natively: the stand-in's code page 1252 in the runtime's "C" locale, and a
// UTF-8 locale the host set.
TEST_F(CodePage, AsciiConvertsAsTheRuntimeConvertsIt) {
  for (const char* locale : {"C", "C.UTF-8"}) {
    testsupport::ScopedLocale host_locale(locale);
    ASSERT_TRUE(host_locale.ok()) << locale;
    ExpectAsciiAsTheRuntimeConvertsIt("\xC3\xA9", locale);
  }
}

// In a locale the host set, a long line is cut on a whole character of it.
TEST_F(CodePage, AHostLocaleCutsOnItsCharacters) {
  testsupport::ScopedLocale host_locale("C.UTF-8");
  ASSERT_TRUE(host_locale.ok());
  std::string line;
  for (int i = 0; i < 150; ++i) line += "\xC3\xA9";  // 300 bytes
  EXPECT_EQ(Restored(line), line.substr(0, 248));
}
#endif

#if defined(_WIN32)
// Wine takes the ANSI code page from the locale; each ctest entry names the
// code page it expects (TAGKEEPER_EXPECT_ACP) and fails on another one.
struct CodePageRow {
  const char* label;
  UINT page;
  std::vector<std::string> names;  // double-byte characters with the trail byte 0x5C where the page has them
  std::string clash;               // a name another object holds: the entry gets a number
  std::string lone_lead;           // a line ending in a lone lead byte, or "" for a single-byte page
  std::string characters;          // repeated for a line longer than a name,
  size_t cut;                      // which is cut to this many bytes, on a whole character
};

std::ostream& operator<<(std::ostream& out, const CodePageRow& row) { return out << row.label; }

class CodePages : public CodePage, public ::testing::WithParamInterface<CodePageRow> {};

TEST_P(CodePages, NamesSurviveAndClashesAreNumbered) {
  const CodePageRow& row = GetParam();
  if (const char* expected = std::getenv("TAGKEEPER_EXPECT_ACP")) {
    ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected))) << "the locale did not give the code page";
  }
  if (GetACP() != row.page) GTEST_SKIP() << "ANSI code page " << GetACP();
  for (const char* locale : {"C", ""}) {  // the runtime's default, and one the host set
    testsupport::ScopedLocale host_locale(locale);
    ASSERT_TRUE(host_locale.ok()) << locale;
    for (const std::string& name : row.names) {
      EXPECT_EQ(Restored(name), name) << locale;
      // The same name typed in a Unicode editor under an English layout.
      wchar_t wide[64];
      const int length = MultiByteToWideChar(row.page, MB_ERR_INVALID_CHARS, name.data(), static_cast<int>(name.size()), wide, 64);
      ASSERT_GT(length, 0);
      EXPECT_EQ(RestoredFromUnicode(std::wstring(wide, length)), name) << locale;
    }
    EXPECT_EQ(Restored(row.clash, {row.clash}), row.clash + "1") << locale;
    EXPECT_EQ(Restored(row.clash + "9", {row.clash + "9"}), row.clash + "10") << locale;
    if (!row.lone_lead.empty()) {
      EXPECT_EQ(Restored(row.lone_lead), "invalid") << locale;
    }
    std::string line;
    while (line.size() < 300) line += row.characters;
    EXPECT_EQ(Restored(line), line.substr(0, row.cut)) << locale;
    ExpectAsciiAsTheRuntimeConvertsIt(row.clash, locale);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CodePages,
    ::testing::Values(
        // "\xC3\xA9" is one character in UTF-8, two here.
        CodePageRow{"Latin1252", 1252, {"\x80 price \xE9t\xE9"}, "\xE9t\xE9", "", "\xC3\xA9", 249},
        CodePageRow{"Cyrillic1251", 1251, {"\xCF\xF0\xE8\xE2\xE5\xF2"}, "\xCF\xF0\xE8\xE2\xE5\xF2", "", "\xCF", 249},
        // "hyou" (0x95 0x5C), "so" (0x83 0x5C); 0xB1 is one byte, between the ranges of lead bytes.
        // Four bytes a unit, so that byte 249 is a lead byte of the second range (0xE0 0x40): the
        // cut ends before it.
        CodePageRow{"ShiftJis932", 932, {"\x95\x5C\xB1", "\x83\x5C\x83\x74\x83\x67"}, "\x95\x5C", "ab\x83",
                    "\xE0\x40\x95\x5C", 248},
        CodePageRow{"Gbk936", 936, {"\x81\x5C", "\xD6\xD0\x83\x5C"}, "\x81\x5C", "ab\x81", "\x81\x5C", 248},
        // No character of 949 has the trail byte 0x5C.
        CodePageRow{"Korean949", 949, {"\xC7\xD1\xB1\xB9\xBE\xEE"}, "\xC7\xD1", "ab\x81", "\xC7\xD1", 248},
        CodePageRow{"Big5950", 950, {"\xB3\x5C", "\xB3\x5C\xA5\x5C\xBB\x5C"}, "\xA5\x5C", "ab\xA4", "\xB3\x5C", 248}),
    [](const auto& info) { return std::string(info.param.label); });
#endif

}  // namespace
