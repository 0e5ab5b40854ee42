#include "candidate_name.h"

#include <cstring>

namespace {

// Writes the run of decimal digits raised by one, without leading zeros, into
// raised (room for size + 1) and returns its size. Done on the digits
// themselves, so that a run of any length is raised without overflow.
size_t RaiseNumber(const char* run, size_t size, char* raised) {
  size_t first = 0;
  while (first < size && run[first] == '0') ++first;
  size_t length = size - first;
  if (length == 0) {
    raised[0] = '1';
    return 1;
  }
  std::memcpy(raised + 1, run + first, length);
  size_t i = length;
  while (i > 0 && raised[i] == '9') raised[i--] = '0';
  if (i == 0) {
    raised[0] = '1';
    return length + 1;
  }
  ++raised[i];
  std::memmove(raised, raised + 1, length);
  return length;
}

}  // namespace

size_t NumberStart(const char* name, size_t size) {
  while (size > 0 && name[size - 1] >= '0' && name[size - 1] <= '9') --size;
  return size;
}

size_t WriteNextCandidate(const char* name, size_t size, const NameEncoding& encoding, char* out) {
  const size_t run_start = NumberStart(name, size);
  // The raised number on the stack: the name may lie in out.
  char raised[kLongestName + 2];
  size_t raised_size;
  size_t run_size = size - run_start;
  const char* run = name + run_start;
  if (run_size > kLongestName) {  // only the digits that can ever be kept count
    run += run_size - kLongestName;
    run_size = kLongestName;
  }
  raised_size = RaiseNumber(run, run_size, raised);
  const char* digits = raised;
  if (raised_size > kLongestName) {
    // kLongestName nines raised: like an odometer, the number turns over to
    // zeros, and the chain goes on from there without meeting itself again.
    digits += raised_size - kLongestName;
    raised_size = kLongestName;
  }
  const size_t prefix = encoding.FittingPrefix(name, run_start, kLongestName - raised_size);
  if (out != name) std::memmove(out, name, prefix);
  std::memcpy(out + prefix, digits, raised_size);
  return prefix + raised_size;
}

std::string NextCandidateName(const std::string& name, const NameEncoding& encoding) {
  char out[kLongestName];
  return std::string(out, WriteNextCandidate(name.data(), name.size(), encoding, out));
}
