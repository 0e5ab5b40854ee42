// Candidate naming: a candidate never equals its name, and a chain of
// candidates never repeats.
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "candidate_name.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string name(reinterpret_cast<const char*>(data), size);
  std::set<std::string> chain;
  for (int step = 0; step < 64; ++step) {
    if (!chain.insert(name).second) std::abort();
    const std::string next = NextCandidateName(name);
    if (next == name) std::abort();
    name = next;
  }
  return 0;
}
