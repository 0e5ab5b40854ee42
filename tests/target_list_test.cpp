#include <gtest/gtest.h>

#include <set>

#include "hosted_test.h"
#include "target_list.h"

namespace {

using testsupport::HostedTest;
using testsupport::ObjectSpec;
using testsupport::Presence;

constexpr bool F = true;   // folded
constexpr bool _ = false;  // not folded
const ObjectSpec kAbsent{0, false, 0, "", Presence::Absent};
ObjectSpec Foreign(int depth, bool folded, int selected) { return {depth, folded, selected, "f", Presence::Foreign}; }

struct TargetCase {
  const char* label;
  std::vector<ObjectSpec> objects;  // {depth, folded, selected}
  TargetList targets;
};

std::ostream& operator<<(std::ostream& out, const TargetCase& c) { return out << c.label; }

class ObjectTargets : public HostedTest, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(ObjectTargets, FollowSelectionAndFoldedRuns) {
  testsupport::AddObjects(doc, GetParam().objects);
  EXPECT_EQ(BuildObjectTargets(doc.handle()), GetParam().targets);
  // At most six host calls per object, and the count read once.
  EXPECT_LE(log().calls().size(), 1 + 6 * GetParam().objects.size());
  EXPECT_EQ(log().Count("MQDoc_GetObjectCount"), 1u);
  EXPECT_TRUE(log().misuses().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Trees, ObjectTargets,
    ::testing::Values(
        TargetCase{"NoSelection", {{0, F, 0}, {1, _, 0}, {0, F, 0}}, {}},
        TargetCase{"FoldedRunTakesUnselectedChildren", {{0, F, 1}, {1, _, 0}, {2, _, 0}, {1, _, 0}, {0, _, 0}},
                   {0, 1, 2, 3}},
        TargetCase{"RunEndsAndTheNextStarts", {{0, F, 1}, {1, _, 0}, {0, F, 1}, {1, _, 0}}, {0, 1, 2, 3}},
        TargetCase{"UnselectedFoldedObjectStartsNoRun", {{0, F, 0}, {1, _, 1}, {1, _, 0}}, {1}},
        TargetCase{"FoldedInsideARunDoesNotChangeIt",
                   {{1, F, 1}, {2, F, 0}, {3, _, 0}, {2, _, 0}, {1, _, 1}}, {0, 1, 2, 3, 4}},
        TargetCase{"RunContinuesPastAnAbsentObject",
                   {{0, F, 1}, {1, _, 0}, kAbsent, {1, _, 0}, {0, _, 0}}, {0, 1, 3}},
        TargetCase{"ForeignObjectsNeitherEndNorJoinARun", {{0, F, 1}, Foreign(0, _, 1), {1, _, 0}}, {0, 2}},
        TargetCase{"AnySelectedValueButZeroCounts", {{0, _, 2}, {0, _, -1}, {0, _, 0}}, {0, 1}},
        TargetCase{"ObjectEndingARunIsJudgedAtOnceAndTakesNoChild",
                   {{0, F, 1}, {1, _, 0}, {0, _, 1}, {1, _, 0}}, {0, 1, 2}},
        TargetCase{"DeeperRunInsideShallowerStart", {{2, F, 1}, {3, _, 0}, {1, _, 0}, {2, _, 0}}, {0, 1}},
        TargetCase{"NegativeDepthStartsNoRun", {{-1, F, 1}, {0, _, 0}, {-1, _, 0}}, {0}}),
    [](const auto& info) { return std::string(info.param.label); });

class Targets : public HostedTest {};

// An object inside a folded run is a target whatever its own attributes say:
// of them only its depth is read (in any order among the reads).
TEST_F(Targets, ObjectsInsideARunReadOnlyTheirDepth) {
  testsupport::AddObjects(doc, {{0, F, 1}, {1, F, 0}, {2, _, 0}});
  EXPECT_EQ(BuildObjectTargets(doc.handle()), (TargetList{0, 1, 2}));
  std::multiset<std::string> inside;
  for (const std::string& read : log().ArgumentsOf("MQObj_GetIntValue")) {
    if (read.rfind("object 0,", 0) != 0) inside.insert(read);
  }
  EXPECT_EQ(inside, (std::multiset<std::string>{"object 1, 257", "object 2, 257"}));
}

TEST_F(Targets, MaterialsCountOnlyWhenSelectedIsExactlyOne) {
  doc.AddMaterial("a", 1);
  doc.AddAbsentMaterial();
  doc.AddMaterial("c", 1);
  doc.AddMaterial("d", 2);
  doc.AddMaterial("e", 0);
  EXPECT_EQ(BuildMaterialTargets(doc.handle()), (TargetList{0, 2}));
  EXPECT_EQ(log().calls().size(), 1u + 5 + 4) << "count, one fetch each, one read per present material";
}

TEST_F(Targets, EmptyDocumentsGiveEmptyLists) {
  EXPECT_TRUE(BuildObjectTargets(doc.handle()).empty());
  EXPECT_TRUE(BuildMaterialTargets(doc.handle()).empty());
  EXPECT_EQ(log().calls().size(), 2u);
}

}  // namespace
