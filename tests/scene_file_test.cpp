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
                                        "\t object\t1 \t -\nmaterial s Red\nno-material\nmaterial - \n"),
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
  EXPECT_EQ(doc.object(3)->depth, 1) << "blanks and tabs between fields";
  ASSERT_EQ(doc.material_count(), 3);
  EXPECT_EQ(doc.material(0)->selected, 1);
  EXPECT_EQ(doc.material(1), nullptr);
  EXPECT_EQ(doc.material(2)->name, "");
}

}  // namespace
