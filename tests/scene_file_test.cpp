#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "document.h"
#include "scene_file.h"

namespace {

using testhost::Document;
namespace fs = std::filesystem;

// Scene files of a test in a folder of their own, removed afterwards.
class SceneFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("tagkeeper-scene-" + std::to_string(reinterpret_cast<uintptr_t>(this)) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = (folder_ / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  bool Load(const std::string& path, Document& doc, testhost::SceneError& error) {
    std::vector<testhost::SceneError> warnings;
    return testhost::LoadScene(path, doc, layout_, warnings, error);
  }

  fs::path folder_;
  testhost::SceneLayout layout_;
};

TEST_F(SceneFile, ReadsEveryKindOfLine) {
  Document doc;
  testhost::SceneError error;
  ASSERT_TRUE(Load(Write("every.scene", "# comment\n\n   \nobject 0 sf Body  with blanks \nno-object\nobject 2 x \xE9\x80\r\n"
                                        "object -1 -\nmaterial s Red\nno-material\nmaterial - \n"),
                   doc, error))
      << error.ToString();
  ASSERT_EQ(doc.object_count(), 4);
  EXPECT_EQ(doc.object(0)->name, "Body  with blanks ");
  EXPECT_EQ(doc.object(0)->selected, 1);
  EXPECT_EQ(doc.object(0)->folded, 1);
  EXPECT_EQ(doc.object(1), nullptr);
  EXPECT_TRUE(doc.is_foreign(2));
  EXPECT_EQ(doc.object(2)->name, "\xE9\x80\r") << "a file of LF lines keeps a CR in a name";
  EXPECT_EQ(doc.object(2)->depth, 2);
  EXPECT_EQ(doc.object(3)->name, "");
  EXPECT_EQ(doc.object(3)->depth, -1);
  ASSERT_EQ(doc.material_count(), 3);
  EXPECT_EQ(doc.material(0)->selected, 1);
  EXPECT_EQ(doc.material(1), nullptr);
  EXPECT_EQ(doc.material(2)->name, "");
}

TEST_F(SceneFile, SavingAndLoadingAgainGivesTheSameDocument) {
  Document doc;
  doc.AddObject("a b", 3, true, 1);
  doc.AddAbsentObject();
  doc.AddForeignObject(" f ", 1, false, 0);
  doc.AddObject(std::string("\x01\x7F\xFF", 3), -4, false, 0);
  doc.AddMaterial("", 1);
  doc.AddAbsentMaterial();
  testhost::SceneError error;
  const std::string path = (folder_ / "saved.scene").string();
  ASSERT_TRUE(testhost::SaveScene(path, doc, layout_, error)) << error.ToString();
  Document again;
  ASSERT_TRUE(Load(path, again, error)) << error.ToString();
  EXPECT_EQ(testhost::SceneText(again), testhost::SceneText(doc));
  EXPECT_EQ(again.ObjectNames(), doc.ObjectNames());
  EXPECT_TRUE(again.is_foreign(2));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1) << "no temporary file is left";
}

TEST_F(SceneFile, MalformedLinesNameTheLineAndWhatWasExpected) {
  struct Case {
    std::string text;
    int line;
    std::string expected;
  };
  const Case cases[] = {
      {"thing\n", 1, "expected 'object', 'material', 'no-object', 'no-material' or a comment"},
      {"object 0 s A\nobject 1.5 s B\n", 2, "expected a depth (a whole number) after 'object'"},
      {"object 99999999999 s A\n", 1, "expected a depth (a whole number) after 'object'"},
      {"object 0 sz A\n", 1, "expected flags after the depth: '-' or letters of 's', 'f', 'x'"},
      {"material x M\n", 1, "expected flags after 'material': '-' or 's'"},
      {"no-material M\n", 1, "expected nothing after 'no-material'"},
      {"object 0 s A\nno-object\r\n", 2,
       "expected nothing after 'no-object', not a CR: the file's first line ends in LF alone, so LF ends its lines"},
      {std::string("object 0 s A\0\n", 14), 1, "expected a line without NUL bytes"},
  };
  for (const Case& c : cases) {
    Document doc;
    testhost::SceneError error;
    const std::string path = Write("bad.scene", c.text);
    EXPECT_FALSE(Load(path, doc, error)) << c.text;
    EXPECT_EQ(error.line, c.line) << c.text;
    EXPECT_EQ(error.message, c.expected) << c.text;
    EXPECT_EQ(error.ToString(), path + ":" + std::to_string(c.line) + ": " + c.expected);
  }
}

}  // namespace
