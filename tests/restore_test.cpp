#include <gtest/gtest.h>

#include <set>

#include "candidate_name.h"
#include "host_clipboard.h"
#include "hosted_test.h"
#include "menu_list.h"
#include "parse_name_list.h"
#include "reference_restore.h"
#include "target_list.h"
#include "temporary_name.h"

namespace {

using testsupport::HostedTest;
using testsupport::ObjectSpec;

const std::string kTemporary = kTemporaryName;

class Restore : public HostedTest {
 protected:
  // Restores names from text into d (objects, or materials) and checks what
  // must hold after every restore: the renames are those of the reference
  // search, call for call; objects that are no targets keep their names; no
  // target keeps the temporary name unless the text asked for it; no name
  // given is longer than the host can give back.
  std::vector<std::string> RestoreIn(testhost::Document& d, const std::string& text, bool materials) {
    const auto names = [&] { return materials ? d.MaterialNames() : d.ObjectNames(); };
    const std::vector<std::string> before = names();
    const TargetList targets = materials ? BuildMaterialTargets(d.handle()) : BuildObjectTargets(d.handle());
    const NameEncoding encoding = NameEncoding::InForce();
    std::vector<std::string> entries = ParseNameList(text, encoding).Strings();
    for (std::string& entry : entries) entry.resize(encoding.FittingPrefix(entry.data(), entry.size(), kLongestName));
    testsupport::NameModel model = testsupport::ModelOf(d, materials);
    const auto expected_renames = testsupport::ReferenceRenames(model, targets, entries, encoding);

    std::vector<testsupport::Rename> renames;
    (materials ? d.on_material_rename : d.on_object_rename) = [&](int index, const std::string& name) {
      renames.push_back({index, name});
    };
    EXPECT_TRUE(testhost::PutClipboardText(text));
    log().Clear();
    const size_t oks = testsupport::OkCount();
    EXPECT_TRUE(plugin().Execute(materials ? kMenuRestoreMaterialNames : kMenuRestoreObjectNames, d.handle()));
    if (testsupport::CanReadDebugStrings()) {
      EXPECT_EQ(testsupport::OkCount(), oks + 1) << "once the clipboard gave text";
    }
    (materials ? d.on_material_rename : d.on_object_rename) = nullptr;
    const std::vector<std::string> after = names();
    EXPECT_EQ(renames, expected_renames);
    EXPECT_EQ(after, model.names);
    for (const auto& rename : renames) EXPECT_LE(rename.name.size(), kLongestName);

    const std::set<int> target_set(targets.begin(), targets.end());
    for (size_t i = 0; i < after.size(); ++i) {
      if (!target_set.count(static_cast<int>(i))) {
        EXPECT_EQ(after[i], before[i]) << "not a target: " << i;
      }
    }
    if (text.find(kTemporary) == std::string::npos) {
      for (int index : targets) EXPECT_NE(after[index], kTemporary) << "target " << index;
    }
    EXPECT_TRUE(log().misuses().empty());
    EXPECT_TRUE(log().unexpected().empty());
    return after;
  }
  std::vector<std::string> RestoreObjects(const std::string& text) { return RestoreIn(doc, text, false); }
  std::vector<std::string> RestoreMaterials(const std::string& text) { return RestoreIn(doc, text, true); }

  static void Objects(testhost::Document& d, const std::vector<std::string>& names, int selected = 1) {
    for (const std::string& name : names) d.AddObject(name, 0, false, selected);
  }
  void Objects(const std::vector<std::string>& names, int selected = 1) { Objects(doc, names, selected); }
};

TEST_F(Restore, SwapsTwoNamesWithoutNumbers) {
  Objects({"A", "B"});
  EXPECT_EQ(RestoreObjects("B\nA\n"), (std::vector<std::string>{"B", "A"}));
}

TEST_F(Restore, RotatesThreeNamesExactly) {
  Objects({"P", "Q", "R"});
  EXPECT_EQ(RestoreObjects("Q\nR\nP\n"), (std::vector<std::string>{"Q", "R", "P"}));
}

TEST_F(Restore, ClashesWithNonTargetsAreNumbered) {
  struct Case {
    std::vector<std::string> others;
    std::string entry;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {{"Box"}, "Box", "Box1"},         {{"Box", "Box1"}, "Box", "Box2"}, {{"Obj9"}, "Obj9", "Obj10"},
      {{"Obj9", "Obj007"}, "Obj007", "Obj8"}, {{"cube"}, "Cube", "Cube"},      {{"x001", "x2"}, "x001", "x3"},
      {{"7", "8"}, "7", "9"},  // digits alone: the empty stem
  };
  for (const Case& c : cases) {
    testhost::Document scene;
    Objects(scene, {"target"});
    Objects(scene, c.others, 0);
    EXPECT_EQ(RestoreIn(scene, c.entry + "\n", false)[0], c.expected) << c.entry;
  }
}

// Equal lines number the targets in order. The restore reads the document's
// names once, and each name it gives back after each pass, however many
// candidates its searches pass.
TEST_F(Restore, EqualEntriesAreNumberedInTargetOrderWithOneReadingOfTheDocument) {
  Objects(std::vector<std::string>(200, "a"));
  Objects({"Box7", "Box"}, 0);
  std::string text;
  std::vector<std::string> expected;
  for (int k = 0; k < 200; ++k) {
    text += "Box\n";
    expected.push_back("Box" + std::to_string(k + 1 < 7 ? k + 1 : k + 2));  // Box and Box7 are held
  }
  expected.insert(expected.end(), {"Box7", "Box"});
  EXPECT_EQ(RestoreObjects(text), expected);
  EXPECT_EQ(log().Count("MQObj_GetName"), 202u + 2u * 200u);
}

// No name the host can give back is longer than 249 bytes: a longer line is
// cut to that, and clashes with what the host keeps of names like it.
TEST_F(Restore, LinesLongerThanANameAreCutBeforeTheirClashSearch) {
  const std::string n300(300, 'n'), n249(249, 'n'), n248(248, 'n');
  Objects({"a", "b"});
  EXPECT_EQ(RestoreObjects(n300 + "\n" + n300 + "\n"), (std::vector<std::string>{n249, n248 + "1"}));
  testhost::Document other;
  Objects(other, {"t"});
  Objects(other, {n249, n248 + "1"}, 0);
  EXPECT_EQ(RestoreIn(other, n300 + "\n", false)[0], n248 + "2");
  testhost::Document raised;
  Objects(raised, {"t"});
  Objects(raised, {n248 + "9"}, 0);
  EXPECT_EQ(RestoreIn(raised, n248 + "9\n", false)[0], std::string(247, 'n') + "10");
  // A chain that reaches two digits cuts its stem: its names stand beside
  // names of the longer stem, and clash with them.
  testhost::Document two_digits;
  Objects(two_digits, {"t"});
  Objects(two_digits, {n248}, 0);
  for (int k = 1; k <= 9; ++k) Objects(two_digits, {n248 + std::to_string(k)}, 0);
  Objects(two_digits, {std::string(247, 'n') + "10"}, 0);
  EXPECT_EQ(RestoreIn(two_digits, n248 + "\n", false)[0], std::string(247, 'n') + "11");
  // In a document of 102 objects (a chain of 103 candidates, numbers of up to
  // three digits) the chain of a 247-byte entry cuts its stem at its 100th
  // candidate: the search must ask about names of the cut stem too.
  testhost::Document hundred;
  const std::string n247(247, 'n'), n246(246, 'n');
  Objects(hundred, {"t"});
  Objects(hundred, {n247}, 0);
  for (int k = 1; k <= 99; ++k) Objects(hundred, {n247 + std::to_string(k)}, 0);
  Objects(hundred, {n246 + "100"}, 0);
  EXPECT_EQ(RestoreIn(hundred, n247 + "\n", false)[0], n246 + "101");
}

TEST_F(Restore, AnOwnNameComesBackUnchanged) {
  Objects({"Same", "Other"});
  EXPECT_EQ(RestoreObjects("Same\nOther\n"), (std::vector<std::string>{"Same", "Other"}));
  EXPECT_EQ(log().ArgumentsOf("MQObj_SetName"),
            (std::vector<std::string>{"object 0, \"" + kTemporary + "\"", "object 1, \"" + kTemporary + "\"",
                                      "object 0, \"Same\"", "object 1, \"Other\""}));
}

TEST_F(Restore, AnEmptyLineLeavesItsTargetAloneButItsNameStillClashes) {
  Objects({"Keep", "b"});
  EXPECT_EQ(RestoreObjects("\nKeep\n"), (std::vector<std::string>{"Keep", "Keep1"}));
  for (const std::string& call : log().ArgumentsOf("MQObj_SetName")) {
    EXPECT_EQ(call.rfind("object 1,", 0), 0u) << "object 0 is never renamed: " << call;
  }
}

TEST_F(Restore, FewerOrMoreLinesThanTargets) {
  Objects({"a", "b", "c"});
  EXPECT_EQ(RestoreObjects("X\n"), (std::vector<std::string>{"X", "b", "c"}));
  EXPECT_EQ(RestoreObjects("1\n2\n3\n4\n5\n"), (std::vector<std::string>{"1", "2", "3"}));
}

TEST_F(Restore, NoTextStillWritesTheFirstTargetsFoldedAttributeBack) {
  testsupport::AddObjects(doc, {{0, false, 0, "x"}, {0, true, 1, "first"}, {1, false, 0, "child"}});
  ASSERT_TRUE(testhost::ClearClipboard());
  const auto before = doc.ObjectNames();
  log().Clear();
  EXPECT_TRUE(Run(kMenuRestoreObjectNames));
  EXPECT_EQ(doc.ObjectNames(), before);
  EXPECT_EQ(testsupport::OkCount(), 0u) << "no text, no \"ok\"";
  EXPECT_EQ(log().Count("MQObj_SetName"), 0u);
  std::vector<std::string> writes;
  for (const auto& call : log().calls()) {
    if (call.function == "MQObj_SetIntValue" || (call.function == "MQObj_GetIntValue" && call.arguments == "object 1, 258"))
      writes.push_back(call.function + "(" + call.arguments + ")");
  }
  // The last read and the two writes, in this order, after the target list's own read.
  ASSERT_GE(writes.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(writes.end() - 3, writes.end()),
            (std::vector<std::string>{"MQObj_GetIntValue(object 1, 258)", "MQObj_SetIntValue(object 1, 258, 0)",
                                      "MQObj_SetIntValue(object 1, 258, 1)"}));
  EXPECT_EQ(doc.object(1)->folded, 1);
}

TEST_F(Restore, AnUnfoldedFirstTargetIsWrittenOneThenZero) {
  Objects({"a"});
  RestoreObjects("b\n");
  EXPECT_EQ(log().ArgumentsOf("MQObj_SetIntValue"), (std::vector<std::string>{"object 0, 258, 1", "object 0, 258, 0"}));
  EXPECT_EQ(doc.object(0)->folded, 0);
}

TEST_F(Restore, NoTargetsReadsAndWritesNothing) {
  Objects({"a", "b"}, 0);
  doc.AddMaterial("m", 0);
  RestoreObjects("X\nY\n");
  RestoreMaterials("X\nY\n");
  for (const char* function : {"MQObj_SetName", "MQObj_GetName", "MQObj_SetIntValue", "MQMat_SetName", "MQMat_GetName"})
    EXPECT_EQ(log().Count(function), 0u) << function;
}

TEST_F(Restore, MaterialsGetTheSameRenamesAndNoAttributeWrite) {
  for (const char* name : {"A", "B", "Box"}) doc.AddMaterial(name, 1);
  doc.AddMaterial("Box", 0);
  EXPECT_EQ(RestoreMaterials("B\r\nA\r\nBox\r\n"), (std::vector<std::string>{"B", "A", "Box1", "Box"}));
  EXPECT_EQ(log().Count("MQObj_SetIntValue"), 0u);
  EXPECT_EQ(log().Count("MQObj_GetIntValue"), 0u);
}

// The last target to hold the temporary name may take it: nobody else holds
// it by then, though the equal entries before it passed over it.
TEST_F(Restore, AnEntryEqualToTheTemporaryNameIsNumbered) {
  Objects({"a", "b"});
  EXPECT_EQ(RestoreObjects(kTemporary + "\nc\n"), (std::vector<std::string>{kTemporary + "1", "c"}));
  testhost::Document three;
  Objects(three, {"a", "b", "c"});
  EXPECT_EQ(RestoreIn(three, kTemporary + "\n" + kTemporary + "\n" + kTemporary + "\n", false),
            (std::vector<std::string>{kTemporary + "1", kTemporary + "2", kTemporary}));
}

// A host may keep another name than it is given: here it keeps the
// temporary name unique, so that each target leaves a name of its own, which
// then becomes free for the targets after it.
TEST_F(Restore, NamesTheHostKeptAreWhatLaterSearchesSee) {
  doc.unique_names = true;
  Objects({"a", "b", "c", "d"});
  const std::string t = kTemporary;
  EXPECT_EQ(RestoreObjects(t + "\n" + t + "\nX\n" + t + "\n"), (std::vector<std::string>{t, t + "1", "X", t + "2"}));
}

TEST_F(Restore, ClipboardTextEndsAtItsNulOrAtTheBlocksEnd) {
  Objects({"a", "b"});
  ASSERT_TRUE(testhost::PutClipboardBlock(std::string("x\0y\0", 4)));
  ASSERT_TRUE(Run(kMenuRestoreObjectNames));
  EXPECT_EQ(doc.ObjectNames(), (std::vector<std::string>{"x", "b"}));
#if !defined(_WIN32)
  // A block from another program need not end in a NUL. (The desktop
  // clipboard of Windows puts a NUL of its own into the block it hands out.)
  ASSERT_TRUE(testhost::PutClipboardBlock("P\nQ"));
  ASSERT_TRUE(Run(kMenuRestoreObjectNames));
  EXPECT_EQ(doc.ObjectNames(), (std::vector<std::string>{"P", "Q"}));
#endif
}

// The clipboard's text in the format placed first: Unicode text that a
// program placed before any code page text is read as Unicode, with the care
// that code page text gets.
TEST_F(Restore, UnicodeTextPlacedFirstIsReadWithTheSameCare) {
  using testhost::UnicodeBlock;
  struct Case {
    const char* label;
    std::vector<std::pair<UINT, std::string>> blocks;
    std::vector<std::string> names;
  };
  const std::string unterminated = UnicodeBlock(L"AB\nCD").substr(0, 5 * sizeof(wchar_t));
  std::vector<Case> cases = {
      {"code page text placed first", {{CF_TEXT, std::string("A\nB\n", 5)}, {CF_UNICODETEXT, UnicodeBlock(L"X\nY\n")}},
       {"A", "B"}},
      {"Unicode text placed first", {{CF_UNICODETEXT, UnicodeBlock(L"X\nY\n")}, {CF_TEXT, std::string("A\nB\n", 5)}},
       {"X", "Y"}},
      {"a surrogate out of its pair; a character code page 1252 lacks",
       {{CF_UNICODETEXT, UnicodeBlock(L"A\xD800" L"B\n\x90E8\n")}},
       {"invalid", "invalid1"}},
      {"controls, CR LF, an empty line", {{CF_UNICODETEXT, UnicodeBlock(L"\r\na\tb\r\n")}}, {"t0", "a b"}},
      {"the text ends at its zero", {{CF_UNICODETEXT, UnicodeBlock(std::wstring(L"P\0Q", 3))}}, {"P", "t1"}},
  };
#if !defined(_WIN32)
  // Blocks from another program need not end in a zero, nor hold whole
  // characters. (The desktop clipboard of Windows adds a zero of its own.)
  cases.push_back({"no terminating zero", {{CF_UNICODETEXT, unterminated}}, {"AB", "CD"}});
  cases.push_back({"an odd last byte", {{CF_UNICODETEXT, unterminated + "Z"}}, {"AB", "CD"}});
#endif
  for (const Case& c : cases) {
    testhost::Document scene;
    for (const char* name : {"t0", "t1"}) {
      scene.AddObject(name, 0, false, 1);
      scene.AddMaterial(name, 1);
    }
    ASSERT_TRUE(testhost::PutClipboardFormats(c.blocks)) << c.label;
    ASSERT_TRUE(plugin().Execute(kMenuRestoreObjectNames, scene.handle()));
    ASSERT_TRUE(plugin().Execute(kMenuRestoreMaterialNames, scene.handle()));
    EXPECT_EQ(scene.ObjectNames(), c.names) << c.label;
    EXPECT_EQ(scene.MaterialNames(), c.names) << c.label;
  }
}

TEST_F(Restore, InvalidLinesBecomeTheNameInvalid) {
  testsupport::ScopedLocale utf8("C.UTF-8");
  if (!utf8.ok()) GTEST_SKIP() << "this C runtime has no UTF-8 locale";
  Objects({"a", "b"});
  EXPECT_EQ(RestoreObjects("\xFF\xFE\n\xC3\n"), (std::vector<std::string>{"invalid", "invalid1"}));
}

TEST_F(Restore, CopyThenRestoreIntoAnotherDocumentCarriesTheNames) {
  testsupport::AddObjects(doc, {{0, true, 1, "Body"}, {1, false, 0, "Arm"}, {0, false, 1, "Leg"}});
  ASSERT_TRUE(Run(kMenuCopyObjectNames));
  const std::string copied = testhost::ClipboardBlock();
  testhost::Document other;
  testsupport::AddObjects(other, {{0, true, 1, "o1"}, {1, false, 0, "o2"}, {0, false, 1, "o3"}});
  EXPECT_EQ(RestoreIn(other, copied.substr(0, copied.size() - 1), false),
            (std::vector<std::string>{"Body", "Arm", "Leg"}));
}

TEST_F(Restore, ForeignAndAbsentObjectsNeverClash) {
  testsupport::AddObjects(doc, {{0, false, 1, "t"},
                                {0, false, 0, "", testsupport::Presence::Absent},
                                {0, false, 0, "Name", testsupport::Presence::Foreign}});
  EXPECT_EQ(RestoreObjects("Name\n")[0], "Name");
}

}  // namespace
