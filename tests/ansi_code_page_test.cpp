// Names in the system's ANSI code page survive a restore under Windows, both
// in the C runtime's default "C" locale and in a locale the host has set.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

#include "host_clipboard.h"
#include "hosted_test.h"

namespace {

using testsupport::HostedTest;

// Skips a test made for another code page, unless the run names the code
// page it expects (TAGKEEPER_EXPECT_ACP): then a mismatch fails.
#define REQUIRE_CODE_PAGE(page)                                                               \
  do {                                                                                        \
    const char* expected = std::getenv("TAGKEEPER_EXPECT_ACP");                               \
    if (expected) {                                                                           \
      ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected))) << "code page";             \
    }                                                                                         \
    if (GetACP() != (page)) GTEST_SKIP() << "ANSI code page " << GetACP();                    \
  } while (0)

class AnsiCodePage : public HostedTest {
 protected:
  std::string RestoredName(const std::string& name) {
    testhost::Document scene;
    scene.AddObject("before", 0, false, 1);
    scene.AddMaterial("before", 1);
    EXPECT_TRUE(testhost::PutClipboardText(name + "\r\n"));
    EXPECT_TRUE(plugin().Execute(1, scene.handle()));
    EXPECT_TRUE(plugin().Execute(3, scene.handle()));
    EXPECT_EQ(scene.MaterialNames()[0], scene.ObjectNames()[0]);
    return scene.ObjectNames()[0];
  }
};

TEST_F(AnsiCodePage, EuroSignOfCodePage1252) {
  REQUIRE_CODE_PAGE(1252);
  const std::string name = "\x80 price \xE9t\xE9";
  EXPECT_EQ(RestoredName(name), name) << "default locale";
  testsupport::ScopedLocale host_locale("");
  ASSERT_TRUE(host_locale.ok());
  EXPECT_EQ(RestoredName(name), name) << "locale set by the host";
}

TEST_F(AnsiCodePage, ShiftJisNameOfCodePage932) {
  REQUIRE_CODE_PAGE(932);
  // "hyou" ends in 0x5C, the backslash byte, as a trail byte.
  const std::string name = "\x83\x65\x83\x58\x83\x67\x95\x5C";
  EXPECT_EQ(RestoredName(name), name) << "default locale";
  testsupport::ScopedLocale host_locale("");
  ASSERT_TRUE(host_locale.ok());
  EXPECT_EQ(RestoredName(name), name) << "locale set by the host";
}

TEST_F(AnsiCodePage, InvalidLeadByteBecomesInvalid) {
  REQUIRE_CODE_PAGE(932);
  EXPECT_EQ(RestoredName("\x83"), "invalid");
}

}  // namespace
