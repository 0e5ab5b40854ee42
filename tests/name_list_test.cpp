#include <gtest/gtest.h>

#include <clocale>

#include "code_page_system.h"
#include "scoped_locale.h"
#include "parse_name_list.h"

// Name lists in test output, entry by entry.
void PrintTo(const NameList& names, std::ostream* out) { *out << ::testing::PrintToString(names.Strings()); }
bool operator==(const NameList& a, const NameList& b) { return a.Strings() == b.Strings(); }

namespace {

using testsupport::ScopedLocale;

struct ParseCase {
  const char* label;
  std::string text;
  NameList names;
};

std::ostream& operator<<(std::ostream& out, const ParseCase& c) { return out << c.label; }

class ParseNames : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNames, SplitsAndCleansLines) { EXPECT_EQ(ParseNameList(GetParam().text), GetParam().names); }

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNames,
    ::testing::Values(ParseCase{"ObjectLayout", "A\nB\n", {"A", "B"}},
                      ParseCase{"MaterialLayout", "A\r\nB\r\n", {"A", "B"}},
                      ParseCase{"EmptyLineKept", "A\n\nB", {"A", "", "B"}},
                      ParseCase{"LastLineWithoutEnd", "A\nB", {"A", "B"}},
                      ParseCase{"EmptyText", "", {}},
                      ParseCase{"OneLineFeed", "\n", {""}},
                      ParseCase{"OneLineEndPair", "\r\n", {""}},
                      ParseCase{"OnlyLastCarriageReturnRemoved", "A\r\r\n", {"A "}},
                      ParseCase{"LoneCarriageReturnIsNoSeparator", "A\rB", {"A B"}},
                      ParseCase{"TabBecomesBlank", "A\tB", {"A B"}},
                      ParseCase{"ControlsBecomeBlanks", std::string("\x01\x1b\x7f"), {"   "}},
                      ParseCase{"BlanksKept", "  two  \n", {"  two  "}},
                      ParseCase{"TrailingEmptyLines", "A\n\n\n", {"A", "", ""}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ParseNamesLocale, InvalidMultibyteTextBecomesInvalid) {
  ScopedLocale utf8("C.UTF-8");
  if (!utf8.ok()) GTEST_SKIP() << "this C runtime has no UTF-8 locale";
  EXPECT_EQ(ParseNameList("ok\n\xC3(bad\n\xFF\n"), (NameList{"ok", "invalid", "invalid"}));
}

TEST(ParseNamesLocale, Utf8CharactersOfThreeAndFourBytesRoundTrip) {
  ScopedLocale utf8("C.UTF-8");
  if (!utf8.ok()) GTEST_SKIP() << "this C runtime has no UTF-8 locale";
  const std::string three = "\xE5\x90\x8D\xE5\x89\x8D";  // two characters of three bytes
  const std::string four = "\xF0\x9F\x90\xB1 cat";      // one of four bytes
  EXPECT_EQ(ParseNameList(three + "\r\n" + four + "\r\n"), (NameList{three, four}));
}

TEST(ParseNamesLocale, LongNamesOfWideCharactersAreNotCutShort) {
  // Each character needs three bytes: a buffer of two bytes per character
  // would make the name "invalid".
  ScopedLocale utf8("C.UTF-8");
  if (!utf8.ok()) GTEST_SKIP() << "this C runtime has no UTF-8 locale";
  std::string name;
  for (int i = 0; i < 80; ++i) name += "\xE3\x83\x86";
  const NameEncoding encoding = NameEncoding::InForce();
  EXPECT_EQ(encoding.ToMultiByte(encoding.ToWide(name)), name);
}

TEST(Conversion, EmptyTextsConvert) {
  const NameEncoding encoding = NameEncoding::InForce();
  EXPECT_EQ(encoding.ToWide(""), L"");
  EXPECT_EQ(encoding.ToMultiByte(L""), "");
}

}  // namespace

// A restore's parse keeps only what a name can hold of a line, cut on a
// whole character, yet converts the whole line: a byte that does not convert
// far past the cut still makes the line invalid.
TEST(ParseNamesUtf8System, LongLinesAreCutYetCheckedWhole) {
  testsupport::Utf8System utf8;
  std::string accents;
  for (int i = 0; i < 5000; ++i) accents += "\xC3\xA9";
  const std::string text = accents + "\n" + std::string(10000, 'a') + "\xFF\n" + accents + "\x01\n";
  const NameList names = ParseNameList(text, NameEncoding::InForce(), 249);
  EXPECT_EQ(names, (NameList{accents.substr(0, 248), "invalid", accents.substr(0, 248)}));
  const NameList whole = ParseNameList(text, NameEncoding::InForce());
  EXPECT_EQ(whole, (NameList{accents, "invalid", accents + " "}));
}

// Whatever the runtime's locale knows, a character that is neither printable
// nor a control character (U+0378, unassigned) becomes a blank, a C1 control
// (U+0085) too; printable ones stay.
TEST(ParseNamesUtf8System, OnlyPrintableCharactersStay) {
  testsupport::Utf8System utf8;
  EXPECT_EQ(ParseNameList("a\xCD\xB8" "b\xC2\x85" "c\xC3\xA9\n"), (NameList{"a b c\xC3\xA9"}));
}
