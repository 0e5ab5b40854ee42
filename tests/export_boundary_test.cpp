// The built plug-in library as the host sees it: loaded by path, its exports
// looked up by name and called.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "host_clipboard.h"
#include "menu_list.h"
#include "document.h"
#include "plugin_library.h"
#include "tagkeeper_version.h"

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

// The identity the host keeps the plug-in by: fixed numbers, pinned here as
// they must stay, whatever the code calls them.
TEST_F(Exports, IdentityKindAndName) {
  EXPECT_EQ(mq().MQGetPlugInType(), 5);
  DWORD product = 0, id = 0;
  mq().MQGetPlugInID(&product, &id);
  EXPECT_EQ(product, 0x544B5052u);
  EXPECT_EQ(id, 0x4E414D45u);
  mq().MQGetPlugInID(nullptr, nullptr);  // the host may want neither
  const char* name = mq().MQGetPlugInName();
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name, mq().MQGetPlugInName()) << "the same string every time";
  const std::string prefix = "Tagkeeper ver." TK_VERSION_TEXT " ";
  EXPECT_EQ(std::string(name).substr(0, prefix.size()), prefix);
  EXPECT_GT(std::strlen(name), prefix.size()) << "a maker's notice follows";
}

TEST_F(Exports, MenuStrings) {
  const char* expected[] = {"copy ObjectNames", "restore ObjectNames", "copy MaterialNames", "restore MaterialNames"};
  for (int index = 0; index < 4; ++index) EXPECT_STREQ(mq().MQEnumString(index), expected[index]);
  for (int index : {-1, static_cast<int>(kMenuSize), -2147483647 - 1, 2147483647}) {
    EXPECT_EQ(mq().MQEnumString(index), nullptr) << index;
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

// Whichever export the host calls first, the plug-in object is built then
// and every other export answers as usual.
template <class Result, class... Arguments>
void CallWithNothing(Result(MQ_CALL* function)(Arguments...) noexcept) {
  function(Arguments()...);
}

TEST(ExportsFirstCall, AnyExportMayComeFirst) {
  const std::vector<std::pair<const char*, std::function<void(const testhost::PluginExports&)>>> firsts = {
#define TK_FIRST_CALL(name, ...) {#name, [](const auto& mq) { CallWithNothing(mq.name); }},
      TK_PLUGIN_EXPORTS(TK_FIRST_CALL, TK_FIRST_CALL)
#undef TK_FIRST_CALL
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
