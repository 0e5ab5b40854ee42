#include <gtest/gtest.h>

#include "code_page_system.h"
#include "host_clipboard.h"
#include "hosted_test.h"
#include "menu_list.h"
#if !defined(_WIN32)
#include "compat_controls.h"
#endif

namespace {

using testhost::ClipboardBlock;
using testsupport::HostedTest;

class Copy : public HostedTest {
 protected:
  size_t Oks() { return testsupport::OkCount(); }
};

struct CopyCase {
  const char* label;
  std::vector<std::string> names;  // every object and material selected
  std::string object_text;
  std::string material_text;
  std::vector<std::wstring> unicode_names;  // the names as Unicode, in code page 1252
};

// The Unicode text beside a copy's code page text: the names each followed by line_end.
std::wstring UnicodeText(const std::vector<std::wstring>& names, const std::wstring& line_end) {
  std::wstring text;
  for (const std::wstring& name : names) text += name + line_end;
  return text;
}

std::ostream& operator<<(std::ostream& out, const CopyCase& c) { return out << c.label; }

class CopyLayouts : public Copy, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(CopyLayouts, PutExactBytesOnTheClipboard) {
  for (const std::string& name : GetParam().names) {
    doc.AddObject(name, 0, false, 1);
    doc.AddMaterial(name, 1);
  }
  // The code page text is placed first, then Unicode text of the same names.
  const std::vector<UINT> both{CF_TEXT, CF_UNICODETEXT};
  EXPECT_TRUE(Run(kMenuCopyObjectNames));
  EXPECT_EQ(ClipboardBlock(), GetParam().object_text + '\0');
  std::vector<UINT> formats = testhost::ClipboardFormats();
  formats.resize(2);
  EXPECT_EQ(formats, both);
  if (GetACP() == 1252) {
    EXPECT_EQ(testhost::ClipboardUnicode(), UnicodeText(GetParam().unicode_names, L"\n"));
  }
  EXPECT_TRUE(Run(kMenuCopyMaterialNames));
  EXPECT_EQ(ClipboardBlock(), GetParam().material_text + '\0');
  if (GetACP() == 1252) {
    EXPECT_EQ(testhost::ClipboardUnicode(), UnicodeText(GetParam().unicode_names, L"\r\n"));
  }
  if (testsupport::CanReadDebugStrings()) {
    EXPECT_EQ(Oks(), 2u);
  }
}

// Names that do not convert in the code page give no Unicode text of the
// plug-in's: the system makes it from the code page text, which stays as
// ever. (On a UTF-8 system a lone lead byte is no character.)
TEST_F(Copy, NoUnicodeTextWhereANameDoesNotConvert) {
  testsupport::Utf8System utf8;
  doc.AddObject("ok", 0, false, 1);
  doc.AddObject("\xC3", 0, false, 1);
  EXPECT_TRUE(Run(kMenuCopyObjectNames));
  EXPECT_EQ(ClipboardBlock(), std::string("ok\n\xC3\n") + '\0');
  EXPECT_EQ(testhost::ClipboardFormats().at(0), static_cast<UINT>(CF_TEXT));
  EXPECT_FALSE(testhost::ClipboardPrefersUnicode());
  const std::vector<UINT> formats = testhost::ClipboardFormats();
  EXPECT_TRUE(formats.size() < 2 || formats[1] != CF_UNICODETEXT) << "the plug-in placed Unicode text";
}

INSTANTIATE_TEST_SUITE_P(Texts, CopyLayouts,
                         ::testing::Values(CopyCase{"TwoNames", {"A", "B"}, "A\nB\n", "A\r\nB\r\n", {L"A", L"B"}},
                                           CopyCase{"NoTargets", {}, "", "", {}},
                                           CopyCase{"EmptyNameInTheMiddle", {"A", "", "C"}, "A\n\nC\n", "A\r\n\r\nC\r\n",
                                                    {L"A", L"", L"C"}},
                                           CopyCase{"HighBytes", {"\x80\xFE", "\x83\x65"}, "\x80\xFE\n\x83\x65\n",
                                                    "\x80\xFE\r\n\x83\x65\r\n", {L"\u20AC\u00FE", L"\u0192e"}},
                                           CopyCase{"LongestName", {std::string(249, 'z')},
                                                    std::string(249, 'z') + "\n", std::string(249, 'z') + "\r\n",
                                                    {std::wstring(249, L'z')}}),
                         [](const auto& info) { return std::string(info.param.label); });

#if !defined(_WIN32)
TEST_F(Copy, AClipboardHeldElsewhereIsLeftAsItWas) {
  doc.AddObject("A", 0, false, 1);
  ASSERT_TRUE(testhost::PutClipboardText("before"));
  compat::HoldClipboardElsewhere(true);
  EXPECT_TRUE(Run(kMenuCopyObjectNames));
  EXPECT_TRUE(Run(kMenuCopyMaterialNames));
  compat::HoldClipboardElsewhere(false);
  EXPECT_EQ(ClipboardBlock(), std::string("before") + '\0');
  EXPECT_EQ(Oks(), 0u);
}

// A block that cannot be had costs the user nothing: the clipboard is opened
// and emptied only once the block is ready. A block the clipboard refuses
// leaves it emptied. Either way the block is freed and no "ok" is sent.
TEST_F(Copy, EachFailedStepKeepsWhatItCanAndLeaksNothing) {
  const struct {
    compat::Failure failure;
    bool kept;
  } cases[] = {{compat::Failure::GlobalAlloc, true},
               {compat::Failure::GlobalLock, true},
               {compat::Failure::SetClipboardData, false}};
  doc.AddObject("A", 0, false, 1);
  for (const auto& c : cases) {
    ASSERT_TRUE(testhost::PutClipboardText("before"));
    compat::FailNext(c.failure);
    EXPECT_TRUE(Run(kMenuCopyObjectNames));
    bool absent = false;
    const std::string block = ClipboardBlock(&absent);
    EXPECT_EQ(block, c.kept ? std::string("before") + '\0' : "") << static_cast<int>(c.failure);
    EXPECT_EQ(absent, !c.kept) << static_cast<int>(c.failure);
    EXPECT_EQ(compat::LiveGlobalBlocks(), c.kept ? 1u : 0u) << "only the clipboard's own block lives";
    EXPECT_EQ(Oks(), 0u);
  }
}

// The text is written straight into the clipboard's block, which grows with
// it: a block that cannot grow is given up and the clipboard keeps what it
// held; a block that cannot be cut to the text goes as it is.
TEST_F(Copy, ABlockThatCannotBeResized) {
  for (int i = 0; i < 100; ++i) doc.AddObject(std::string(40, static_cast<char>('a' + i % 26)), 0, false, 1);
  ASSERT_TRUE(testhost::PutClipboardText("before"));
  compat::FailNext(compat::Failure::GlobalReAlloc);
  EXPECT_TRUE(Run(kMenuCopyObjectNames));
  EXPECT_EQ(ClipboardBlock(), std::string("before") + '\0');
  EXPECT_EQ(compat::LiveGlobalBlocks(), 1u) << "the grown block was freed";
  EXPECT_EQ(Oks(), 0u);

  testhost::Document small;
  small.AddObject("A", 0, false, 1);
  compat::FailNext(compat::Failure::GlobalReAlloc);
  EXPECT_TRUE(plugin().Execute(kMenuCopyObjectNames, small.handle()));
  EXPECT_EQ(ClipboardBlock(), std::string("A\n") + '\0');
  EXPECT_EQ(Oks(), 1u);
}

TEST_F(Copy, AFailedOpenDoesNotCloseTheClipboardOfItsOpener) {
  doc.AddObject("A", 0, false, 1);
  ASSERT_TRUE(OpenClipboard(nullptr));  // the host holds the clipboard open
  compat::FailNext(compat::Failure::OpenClipboard);
  EXPECT_TRUE(Run(kMenuCopyObjectNames));
  EXPECT_TRUE(CloseClipboard()) << "still open for its opener";
}
#endif

}  // namespace
