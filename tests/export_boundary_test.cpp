// The built plug-in library as the host sees it: loaded by path, its exports
// looked up by name and called.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "host_clipboard.h"
#include "document.h"
#include "plugin_library.h"

namespace {

using testhost::PluginLibrary;

class Exports : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(library.Load(TAGKEEPER_LIBRARY)) << library.error(); }
  const testhost::PluginExports& mq() { return library.exports(); }
  PluginLibrary library;
};

TEST_F(Exports, VersionHandshakeEdges) {
  EXPECT_EQ(mq().MQCheckVersion(0x4402), 0u);
  EXPECT_EQ(mq().MQCheckVersion(0), 0u);
  EXPECT_EQ(mq().MQCheckVersion(0x4403), 0x0443u);
  EXPECT_EQ(mq().MQCheckVersion(0x4500), 0x0443u);
  EXPECT_EQ(mq().MQCheckVersion(0xFFFFFFFFu), 0x0443u);
}

TEST_F(Exports, IdentityKindAndName) {
  EXPECT_EQ(mq().MQGetPlugInType(), 5);
  const char* name = mq().MQGetPlugInName();
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name, mq().MQGetPlugInName());
  EXPECT_EQ(std::strncmp(name, "Tagkeeper ver.1.1 ", 18), 0) << name;
  DWORD product = 0, id = 0;
  mq().MQGetPlugInID(&product, &id);
  EXPECT_NE(product, 0u);
  EXPECT_NE(id, 0u);
}

TEST_F(Exports, MenuStrings) {
  const char* expected[] = {nullptr, "copy ObjectNames", "restore ObjectNames", "copy MaterialNames",
                            "restore MaterialNames", nullptr};
  for (int index = -1; index <= 4; ++index) {
    const char* menu = mq().MQEnumString(index);
    if (expected[index + 1] == nullptr) {
      EXPECT_EQ(menu, nullptr) << index;
    } else {
      EXPECT_STREQ(menu, expected[index + 1]) << index;
    }
  }
}

TEST_F(Exports, FileExportsAnswerNullOrZeroAndTouchNothing) {
  for (int index : {-1, 0, 1, 100}) {
    EXPECT_EQ(mq().MQEnumFileType(index), nullptr);
    EXPECT_EQ(mq().MQEnumFileExt(index), nullptr);
  }
  char untouched[16] = "do not touch";
  const auto address = reinterpret_cast<intptr_t>(untouched);
  EXPECT_EQ(mq().MQImportFile(address, address, address), 0);
  EXPECT_EQ(mq().MQExportFile(0, address, -1), 0);
  EXPECT_STREQ(untouched, "do not touch");
}

TEST_F(Exports, EveryEventAnswersZero) {
  int result = -7;
  const char* name = "result";
  void* list[] = {const_cast<char*>(name), &result, nullptr, nullptr};
  for (int code = -5; code <= 400; ++code) {
    EXPECT_EQ(mq().MQOnEvent(nullptr, code, list), 0) << code;
    EXPECT_EQ(mq().MQOnEvent(nullptr, code, nullptr), 0) << code;
  }
  EXPECT_EQ(result, -7);
}

TEST_F(Exports, TheThreeCommandExportsRunTheSameCommand) {
  ASSERT_TRUE(mq().MQInit(testhost::OwnExecutablePath().c_str()));
  testhost::Document doc;
  doc.AddObject("A", 0, false, 1);
  doc.AddObject("B", 0, false, 1);
  doc.AddObject("C", 0, false, 0);
  for (auto command : {mq().MQCreate, mq().MQModifyObject, mq().MQModifySelect}) {
    ASSERT_TRUE(testhost::ClearClipboard());
    EXPECT_TRUE(command(0, doc.handle()));
    EXPECT_EQ(testhost::ClipboardBlock(), std::string("A\nB\n") + '\0');
    EXPECT_FALSE(command(4, doc.handle()));
    EXPECT_FALSE(command(-1, doc.handle()));
  }
}

TEST_F(Exports, CommandsBeforeMQInitRunNothing) {
  testhost::Document doc;
  doc.AddObject("A", 0, false, 1);
  ASSERT_TRUE(testhost::PutClipboardText("unchanged"));
  for (int index = 0; index < 4; ++index) EXPECT_FALSE(mq().MQModifySelect(index, doc.handle()));
  EXPECT_EQ(testhost::ClipboardBlock(), std::string("unchanged") + '\0');
  EXPECT_EQ(doc.ObjectNames(), std::vector<std::string>{"A"});
}

// Whichever export the host calls first, the plug-in object is built then
// and every other export answers as usual.
TEST(ExportsFirstCall, AnyExportMayComeFirst) {
  const std::vector<std::pair<const char*, std::function<void(const testhost::PluginExports&)>>> firsts = {
      {"MQCheckVersion", [](const auto& mq) { mq.MQCheckVersion(0x4403); }},
      {"MQInit", [](const auto& mq) { mq.MQInit(testhost::OwnExecutablePath().c_str()); }},
      {"MQGetPlugInID", [](const auto& mq) { DWORD a, b; mq.MQGetPlugInID(&a, &b); }},
      {"MQGetPlugInName", [](const auto& mq) { mq.MQGetPlugInName(); }},
      {"MQGetPlugInType", [](const auto& mq) { mq.MQGetPlugInType(); }},
      {"MQEnumString", [](const auto& mq) { mq.MQEnumString(0); }},
      {"MQEnumFileType", [](const auto& mq) { mq.MQEnumFileType(0); }},
      {"MQEnumFileExt", [](const auto& mq) { mq.MQEnumFileExt(0); }},
      {"MQImportFile", [](const auto& mq) { mq.MQImportFile(0, 0, 0); }},
      {"MQExportFile", [](const auto& mq) { mq.MQExportFile(0, 0, 0); }},
      {"MQCreate", [](const auto& mq) { mq.MQCreate(9, nullptr); }},
      {"MQModifyObject", [](const auto& mq) { mq.MQModifyObject(9, nullptr); }},
      {"MQModifySelect", [](const auto& mq) { mq.MQModifySelect(9, nullptr); }},
      {"MQOnEvent", [](const auto& mq) { mq.MQOnEvent(nullptr, 1, nullptr); }},
  };
  for (const auto& first : firsts) {
    PluginLibrary library;
    ASSERT_TRUE(library.Load(TAGKEEPER_LIBRARY)) << library.error();
    first.second(library.exports());
    const auto& mq = library.exports();
    EXPECT_EQ(mq.MQGetPlugInType(), 5) << first.first;
    EXPECT_STREQ(mq.MQEnumString(3), "restore MaterialNames") << first.first;
    EXPECT_EQ(mq.MQGetPlugInName(), mq.MQGetPlugInName()) << first.first;
    library.Unload();
    EXPECT_EQ(GetModuleHandleA(TAGKEEPER_LIBRARY), nullptr) << "unloaded after " << first.first;
  }
}

}  // namespace
