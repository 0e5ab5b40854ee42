#include "code_page_system.h"

#include <gtest/gtest.h>

#if defined(_WIN32)
#include "strict_code_page_win32.h"
#else
#include "compat_controls.h"
#endif

namespace testsupport {

namespace {

// No test may make a conversion call that Windows would refuse.
class NoRefusedCalls : public ::testing::Environment {
 public:
  void TearDown() override { EXPECT_EQ(RefusedCodePageCalls(), std::vector<std::string>{}); }
};
const auto* const kNoRefusedCalls = ::testing::AddGlobalTestEnvironment(new NoRefusedCalls);

}  // namespace

#if defined(_WIN32)
Utf8System::Utf8System() { strict_code_page::EmulateUtf8(true); }
Utf8System::~Utf8System() { strict_code_page::EmulateUtf8(false); }
std::vector<std::string> RefusedCodePageCalls() { return strict_code_page::RefusedCalls(); }
void ForgetRefusedCodePageCalls() { strict_code_page::ForgetRefusedCalls(); }
#else
Utf8System::Utf8System() { compat::SetAnsiCodePage(65001); }
Utf8System::~Utf8System() { compat::SetAnsiCodePage(compat::kDefaultAnsiCodePage); }
std::vector<std::string> RefusedCodePageCalls() { return compat::RefusedCalls(); }
void ForgetRefusedCodePageCalls() { compat::ForgetRefusedCalls(); }
#endif

}  // namespace testsupport
