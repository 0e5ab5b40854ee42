#include "candidate_name.h"

namespace {

// Only the ASCII digits: some runtimes' isdigit also accepts bytes such as the
// superscript digits of code page 1252, which are no decimal digits.
bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// Adds one to a run of decimal digits and drops its leading zeros. Done on the
// decimal string itself, so a run of any length is raised (no overflow) and a
// chain of candidates never repeats.
std::string RaisedNumber(const std::string& run) {
  const size_t first = run.find_first_not_of('0');
  std::string digits = first == std::string::npos ? "0" : run.substr(first);
  size_t i = digits.size();
  while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
  if (i == 0) return "1" + digits;
  ++digits[i - 1];
  return digits;
}

}  // namespace

std::string NextCandidateName(const std::string& name) {
  size_t run_start = name.size();
  while (run_start > 0 && IsDecimalDigit(name[run_start - 1])) --run_start;
  if (run_start == name.size()) return name + "1";
  return name.substr(0, run_start) + RaisedNumber(name.substr(run_start));
}
