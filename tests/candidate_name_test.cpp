#include <gtest/gtest.h>

#include <set>

#include "candidate_name.h"

namespace {

struct CandidateCase {
  const char* name;
  const char* next;
};

// Printed with bytes outside printable ASCII escaped, for readable test names.
std::ostream& operator<<(std::ostream& out, const CandidateCase& c) {
  out << '"';
  for (const char* p = c.name; *p; ++p) {
    const unsigned char byte = static_cast<unsigned char>(*p);
    if (byte >= 0x20 && byte < 0x7F) {
      out << *p;
    } else {
      const char* hex = "0123456789ABCDEF";
      out << "\\x" << hex[byte >> 4] << hex[byte & 15];
    }
  }
  return out << '"';
}

class NextCandidate : public ::testing::TestWithParam<CandidateCase> {};

TEST_P(NextCandidate, RaisesTheTrailingNumberOrAppendsOne) {
  EXPECT_EQ(NextCandidateName(GetParam().name), GetParam().next);
}

INSTANTIATE_TEST_SUITE_P(Names, NextCandidate,
                         ::testing::Values(CandidateCase{"Cube", "Cube1"}, CandidateCase{"Cube1", "Cube2"},
                                           CandidateCase{"Cube9", "Cube10"}, CandidateCase{"Cube007", "Cube8"},
                                           CandidateCase{"x001", "x2"}, CandidateCase{"007", "8"},
                                           CandidateCase{"obj-3", "obj-4"}, CandidateCase{"a1b", "a1b1"},
                                           CandidateCase{"", "1"}, CandidateCase{"000", "1"},
                                           CandidateCase{"x99", "x100"},
                                           // Runs too long for a 32-bit number are raised as decimal strings.
                                           CandidateCase{"x2147483646", "x2147483647"},
                                           CandidateCase{"x2147483647", "x2147483648"},
                                           CandidateCase{"x9999999999", "x10000000000"},
                                           CandidateCase{"v00000000000000000000012", "v13"},
                                           // Only ASCII digits count: 0xB2 is no digit.
                                           CandidateCase{"x\xB2", "x\xB2" "1"},
                                           CandidateCase{"  *TEMPORALYNAME_forTagkeeper",
                                                         "  *TEMPORALYNAME_forTagkeeper1"}));

TEST(NextCandidateChain, NeverRepeatsPastThe32BitLimit) {
  std::set<std::string> seen;
  std::string name = "Box2147483640";
  for (int i = 0; i < 20; ++i) {
    ASSERT_TRUE(seen.insert(name).second) << name;
    name = NextCandidateName(name);
  }
  EXPECT_EQ(name, "Box2147483660");
}

}  // namespace
