// The laid-out chain against the chain made one candidate at a time.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "candidate_chain.h"
#include "code_page_system.h"

namespace {

struct ChainCase {
  const char* label;
  std::string entry;
  bool utf8;  // on a UTF-8 system, where characters have several bytes
  std::string stranger = "#";  // a name off the chain that looks close to it
};

std::ostream& operator<<(std::ostream& out, const ChainCase& c) { return out << c.label; }

class Chain : public ::testing::TestWithParam<ChainCase> {};

// Where the chain places a name, as a string and from a host's name buffer.
size_t Place(const CandidateChain& chain, const std::string& name) {
  const size_t position = chain.PositionOf(name.data(), name.size());
  if (name.size() <= static_cast<size_t>(kNameBufferSize)) {
    char buffer[kNameBufferSize] = {};
    std::memcpy(buffer, name.data(), name.size());
    EXPECT_EQ(chain.PositionInBuffer(buffer), position) << "from a buffer: " << name;
  }
  return position;
}

TEST_P(Chain, PlacesEveryCandidateAndNothingElse) {
  std::optional<testsupport::Utf8System> utf8;
  if (GetParam().utf8) utf8.emplace();
  const NameEncoding encoding = NameEncoding::InForce();
  constexpr size_t kLength = 1500;
  CandidateChain chain;
  chain.Start(GetParam().entry.data(), GetParam().entry.size(), kLength, encoding);

  std::string candidate = GetParam().entry;
  char written[kLongestName];
  for (size_t position = 0; position < kLength; ++position) {
    ASSERT_EQ(Place(chain, candidate), position) << candidate;
    ASSERT_EQ(std::string(written, chain.WriteCandidate(position, written)), candidate) << position;
    // Near misses: a leading zero, a changed stem, a byte more.
    if (!candidate.empty() && candidate.back() >= '0' && candidate.back() <= '9') {
      std::string zero = candidate;
      zero.insert(NumberStart(zero.data(), zero.size()), "0");
      if (zero.size() <= kLongestName && position > 0) {
        EXPECT_EQ(Place(chain, zero), CandidateChain::kNotOnChain) << zero;
      }
    }
    std::string other = candidate + "x";
    EXPECT_EQ(Place(chain, other), CandidateChain::kNotOnChain) << other;
    if (!candidate.empty() && candidate[0] != '#') {
      other = "#" + candidate.substr(1);
      EXPECT_EQ(Place(chain, other), CandidateChain::kNotOnChain) << other;
    }
    candidate = NextCandidateName(candidate, encoding);
  }
  EXPECT_EQ(Place(chain, candidate), CandidateChain::kNotOnChain) << "beyond the length";
  const std::string too_long(250, GetParam().entry.empty() ? '1' : GetParam().entry[0]);
  EXPECT_EQ(Place(chain, too_long), CandidateChain::kNotOnChain) << "longer than a name";
  EXPECT_EQ(Place(chain, GetParam().stranger), CandidateChain::kNotOnChain) << "a stranger";
  EXPECT_TRUE(testsupport::RefusedCodePageCalls().empty());
}

const std::string a245(245, 'a'), a246(246, 'a'), y248(248, 'y');

INSTANTIATE_TEST_SUITE_P(
    Entries, Chain,
    ::testing::Values(ChainCase{"Plain", "Box", false}, ChainCase{"LeadingZeros", "Box007", false},
                      ChainCase{"Nine", "x9", false}, ChainCase{"Empty", "", false}, ChainCase{"Digits", "007", false},
                      ChainCase{"DigitInside", "a1b", false},
                      // Near the limit a raised number pushes whole characters out of the stem.
                      ChainCase{"FullStem", y248, false}, ChainCase{"LongStem", a246 + "b98", false},
                      ChainCase{"ShortNumber", a246 + "b5", false}, ChainCase{"NineByteStem", "Material_7", false},
                      // The cut lays bare a digit of the stem, which joins the number.
                      ChainCase{"DigitLaidBare", a246 + "1b9", false},
                      ChainCase{"DigitLaidBareUtf8", a245 + "1\xC3\xA9" "9", true},
                      ChainCase{"MultibyteStem", std::string(80, 'x') + "\xE5\x90\x8D" + std::string(160, 'z') + "99", true},
                      // 249 nines turn over to zeros and count on from there.
                      ChainCase{"Odometer", std::string(249, '9'), false},
                      ChainCase{"LongNumber", "n" + std::string(30, '8') + "95", false},
                      // A value past 32 bits: 4294967301 is 5 in 32-bit arithmetic.
                      ChainCase{"Past32Bits", "x4294967301", false, "x6"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
