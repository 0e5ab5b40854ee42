#pragma once
// The strict code-page layer of the Windows test programs (see the .cpp).
#include <string>
#include <vector>

namespace strict_code_page {

// true: answer as a Windows whose ANSI code page is 65001 (UTF-8).
void EmulateUtf8(bool on);
std::vector<std::string> RefusedCalls();
void ForgetRefusedCalls();

}  // namespace strict_code_page
