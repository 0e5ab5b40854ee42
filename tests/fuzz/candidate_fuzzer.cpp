// Candidate naming: a candidate never equals its name nor passes 249 bytes,
// and a chain of candidates never repeats, in a single-byte code page and on
// a UTF-8 system alike.
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "candidate_name.h"
#include "compat_controls.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  compat::SetAnsiCodePage(data[0] & 1 ? 65001 : 1252);
  const NameEncoding encoding = NameEncoding::InForce();
  std::string name(reinterpret_cast<const char*>(data + 1), size - 1);
  std::set<std::string> chain;
  for (int step = 0; step < 64; ++step) {
    if (!chain.insert(name).second) std::abort();
    const std::string next = NextCandidateName(name, encoding);
    if (next == name || next.size() > kLongestName) std::abort();
    name = next;
  }
  return 0;
}
