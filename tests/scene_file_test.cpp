#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "document.h"
#include "scene_file.h"

namespace {

using testhost::Document;

std::string Write(const std::string& name, const std::string& text) {
  std::ofstream(name, std::ios::binary) << text;
  return name;
}

TEST(SceneFile, ReadsEveryKindOfLine) {
  Document doc;
  testhost::SceneError error;
  ASSERT_TRUE(testhost::LoadScene(Write("every.scene",
                                        "# comment\n\nobject 0 sf Body  with blanks \nno-object\nobject 2 x \xE9\x80\r\n"
                                        "object -1 -\nmaterial s Red\nno-material\nmaterial - \n"),
                                  doc, error))
      << error.ToString();
  ASSERT_EQ(doc.object_count(), 4);
  EXPECT_EQ(doc.object(0)->name, "Body  with blanks ");
  EXPECT_EQ(doc.object(0)->selected, 1);
  EXPECT_EQ(doc.object(0)->folded, 1);
  EXPECT_EQ(doc.object(1), nullptr);
  EXPECT_TRUE(doc.is_foreign(2));
  EXPECT_EQ(doc.object(2)->name, "\xE9\x80\r");
  EXPECT_EQ(doc.object(2)->depth, 2);
  EXPECT_EQ(doc.object(3)->name, "");
  EXPECT_EQ(doc.object(3)->depth, -1);
  ASSERT_EQ(doc.material_count(), 3);
  EXPECT_EQ(doc.material(0)->selected, 1);
  EXPECT_EQ(doc.material(1), nullptr);
  EXPECT_EQ(doc.material(2)->name, "");
}

TEST(SceneFile, SavingAndLoadingAgainGivesTheSameDocument) {
  Document doc;
  doc.AddObject("a b", 3, true, 1);
  doc.AddAbsentObject();
  doc.AddForeignObject(" f ", 1, false, 0);
  doc.AddObject(std::string("\x01\x7F\xFF", 3), -4, false, 0);
  doc.AddMaterial("", 1);
  doc.AddAbsentMaterial();
  testhost::SceneError error;
  ASSERT_TRUE(testhost::SaveScene("saved.scene", doc, error)) << error.ToString();
  Document again;
  ASSERT_TRUE(testhost::LoadScene("saved.scene", again, error)) << error.ToString();
  EXPECT_EQ(testhost::SceneText(again), testhost::SceneText(doc));
  EXPECT_EQ(again.ObjectNames(), doc.ObjectNames());
  EXPECT_TRUE(again.is_foreign(2));
  EXPECT_EQ(std::ifstream("saved.scene.saving").good(), false) << "no temporary file is left";
}

TEST(SceneFile, MalformedLinesNameTheLineAndWhatWasExpected) {
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
      {std::string("object 0 s A\0\n", 14), 1, "expected a line without NUL bytes"},
  };
  for (const Case& c : cases) {
    Document doc;
    testhost::SceneError error;
    EXPECT_FALSE(testhost::LoadScene(Write("bad.scene", c.text), doc, error)) << c.text;
    EXPECT_EQ(error.line, c.line) << c.text;
    EXPECT_EQ(error.message, c.expected) << c.text;
    EXPECT_EQ(error.ToString(), "bad.scene:" + std::to_string(c.line) + ": " + c.expected);
  }
}

}  // namespace
