#include <gtest/gtest.h>

#include "host_clipboard.h"
#include "hosted_test.h"
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
};

std::ostream& operator<<(std::ostream& out, const CopyCase& c) { return out << c.label; }

class CopyLayouts : public Copy, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(CopyLayouts, PutExactBytesOnTheClipboard) {
  for (const std::string& name : GetParam().names) {
    doc.AddObject(name, 0, false, 1);
    doc.AddMaterial(name, 1);
  }
  EXPECT_TRUE(Run(0));
  EXPECT_EQ(ClipboardBlock(), GetParam().object_text + '\0');
  EXPECT_TRUE(Run(2));
  EXPECT_EQ(ClipboardBlock(), GetParam().material_text + '\0');
  if (testsupport::CanReadDebugStrings()) {
    EXPECT_EQ(Oks(), 2u);
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, CopyLayouts,
                         ::testing::Values(CopyCase{"TwoNames", {"A", "B"}, "A\nB\n", "A\r\nB\r\n"},
                                           CopyCase{"NoTargets", {}, "", ""},
                                           CopyCase{"EmptyNameInTheMiddle", {"A", "", "C"}, "A\n\nC\n", "A\r\n\r\nC\r\n"},
                                           CopyCase{"HighBytes", {"\x80\xFE", "\x83\x65"}, "\x80\xFE\n\x83\x65\n",
                                                    "\x80\xFE\r\n\x83\x65\r\n"},
                                           CopyCase{"LongestName", {std::string(249, 'z')},
                                                    std::string(249, 'z') + "\n", std::string(249, 'z') + "\r\n"}),
                         [](const auto& info) { return std::string(info.param.label); });

#if !defined(_WIN32)
TEST_F(Copy, AClipboardHeldElsewhereIsLeftAsItWas) {
  doc.AddObject("A", 0, false, 1);
  ASSERT_TRUE(testhost::PutClipboardText("before"));
  compat::HoldClipboardElsewhere(true);
  EXPECT_TRUE(Run(0));
  EXPECT_TRUE(Run(2));
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
    EXPECT_TRUE(Run(0));
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
  EXPECT_TRUE(Run(0));
  EXPECT_EQ(ClipboardBlock(), std::string("before") + '\0');
  EXPECT_EQ(compat::LiveGlobalBlocks(), 1u) << "the grown block was freed";
  EXPECT_EQ(Oks(), 0u);

  testhost::Document small;
  small.AddObject("A", 0, false, 1);
  compat::FailNext(compat::Failure::GlobalReAlloc);
  EXPECT_TRUE(plugin().Execute(0, small.handle()));
  EXPECT_EQ(ClipboardBlock(), std::string("A\n") + '\0');
  EXPECT_EQ(Oks(), 1u);
}

TEST_F(Copy, AFailedOpenDoesNotCloseTheClipboardOfItsOpener) {
  doc.AddObject("A", 0, false, 1);
  ASSERT_TRUE(OpenClipboard(nullptr));  // the host holds the clipboard open
  compat::FailNext(compat::Failure::OpenClipboard);
  EXPECT_TRUE(Run(0));
  EXPECT_TRUE(CloseClipboard()) << "still open for its opener";
}
#endif

}  // namespace
