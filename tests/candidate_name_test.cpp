#include <gtest/gtest.h>

#include <set>

#include "candidate_name.h"
#include "code_page_system.h"
#include "temporary_name.h"

namespace {

struct CandidateCase {
  std::string name;
  std::string next;
};

std::ostream& operator<<(std::ostream& out, const CandidateCase& c) { return out << ::testing::PrintToString(c.name); }

class NextCandidate : public ::testing::TestWithParam<CandidateCase> {};

TEST_P(NextCandidate, RaisesTheTrailingNumberOrAppendsOne) {
  EXPECT_EQ(NextCandidateName(GetParam().name, NameEncoding::InForce()), GetParam().next);
}

const std::string y247(247, 'y'), y248(248, 'y');

INSTANTIATE_TEST_SUITE_P(
    Names, NextCandidate,
    ::testing::Values(CandidateCase{"Cube", "Cube1"}, CandidateCase{"Cube1", "Cube2"}, CandidateCase{"Cube9", "Cube10"},
                      CandidateCase{"Cube007", "Cube8"}, CandidateCase{"x001", "x2"}, CandidateCase{"007", "8"},
                      CandidateCase{"obj-3", "obj-4"}, CandidateCase{"a1b", "a1b1"}, CandidateCase{"", "1"},
                      CandidateCase{"000", "1"}, CandidateCase{"x99", "x100"},
                      // Runs too long for a 32-bit number are raised as decimal strings.
                      CandidateCase{"x2147483647", "x2147483648"}, CandidateCase{"x9999999999", "x10000000000"},
                      CandidateCase{"v00000000000000000000012", "v13"},
                      // Only ASCII digits count: 0xB2 is no digit.
                      CandidateCase{"x\xB2", "x\xB2" "1"},
                      CandidateCase{kTemporaryName, std::string(kTemporaryName) + "1"},
                      // No candidate passes 249 bytes: the number stays whole, the part before it gives way.
                      CandidateCase{y248 + "9", y247 + "10"}, CandidateCase{y248 + "8", y248 + "9"},
                      CandidateCase{y248 + "y", y248 + "1"}, CandidateCase{std::string(246, 'y') + "099", std::string(246, 'y') + "100"},
                      CandidateCase{std::string(246, 'y') + "999", std::string(245, 'y') + "1000"},
                      CandidateCase{"a" + std::string(248, '9'), "1" + std::string(248, '0')},
                      // 249 nines turn over like an odometer.
                      CandidateCase{std::string(249, '9'), std::string(249, '0')},
                      CandidateCase{std::string(249, '0'), "1"},
                      CandidateCase{std::string(300, 'z'), std::string(248, 'z') + "1"},
                      // A run longer than a name: only its last 249 digits can be kept.
                      CandidateCase{std::string(300, '1'), std::string(248, '1') + "2"},
                      CandidateCase{"x" + std::string(300, '9'), std::string(249, '0')}));

// In a multibyte code page the part before the number gives way by whole
// characters: "é" is two bytes in UTF-8, and half of it would be no name.
TEST(NextCandidateMultibyte, GivesWayByWholeCharacters) {
  testsupport::Utf8System utf8;
  const NameEncoding encoding = NameEncoding::InForce();
  const std::string a246(246, 'a');
  EXPECT_EQ(NextCandidateName(a246 + "\xC3\xA9" "9", encoding), a246 + "10");
  EXPECT_EQ(NextCandidateName(a246 + "\xC3\xA9" "8", encoding), a246 + "\xC3\xA9" "9");
  EXPECT_EQ(NextCandidateName(std::string(245, 'a') + "\xE2\x82\xAC" "9", encoding), std::string(245, 'a') + "10");
  // A byte that starts no sequence, and each byte of a sequence cut short, counts as one character.
  EXPECT_EQ(NextCandidateName(std::string(247, '\xFF') + "\xE3\x81", encoding), std::string(247, '\xFF') + "\xE3" "1");
  EXPECT_TRUE(testsupport::RefusedCodePageCalls().empty());
}

// A chain of candidates never repeats and never passes 249 bytes, past the
// 32-bit limit and where the part before the number gives way.
TEST(NextCandidateChain, NeverRepeatsNorGrowsPastAName) {
  const NameEncoding encoding = NameEncoding::InForce();
  for (const std::string& start : {std::string("Box2147483640"), y247 + "95", std::string(249, '9')}) {
    std::set<std::string> seen;
    std::string name = start;
    for (int i = 0; i < 300; ++i) {
      ASSERT_TRUE(seen.insert(name).second) << name;
      ASSERT_LE(name.size(), kLongestName);
      name = NextCandidateName(name, encoding);
    }
  }
  std::string name = "Box2147483640";
  for (int i = 0; i < 20; ++i) name = NextCandidateName(name, encoding);
  EXPECT_EQ(name, "Box2147483660");
}

}  // namespace
