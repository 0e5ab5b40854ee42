#pragma once
// The system's ANSI code page as the tests see it: natively the stand-in's
// (compat/), under Wine the strict layer that the test programs put between
// the plug-in's code and kernel32 (strict_code_page_win32.cpp). Both hold
// every conversion call to the rules Windows documents and record the calls
// Windows would refuse.
#include <string>
#include <vector>

namespace testsupport {

// For one scope the system answers as a Windows set to use UTF-8 for
// worldwide language support: ANSI code page 65001.
class Utf8System {
 public:
  Utf8System();
  ~Utf8System();
  Utf8System(const Utf8System&) = delete;
  Utf8System& operator=(const Utf8System&) = delete;
};

// The calls Windows would have refused for their arguments, described.
std::vector<std::string> RefusedCodePageCalls();
void ForgetRefusedCodePageCalls();

}  // namespace testsupport
