#include <gtest/gtest.h>

#include <cstring>

#include "Tagkeeper.h"
#include "host_table.h"
#include "plugin_object.h"

namespace {

Tagkeeper& ThePlugin() { return dynamic_cast<Tagkeeper&>(*GetPluginClass()); }

TEST(PluginObject, IsOneObjectWithNoDocumentUntilTheFirstCommand) {
  EXPECT_EQ(GetPluginClass(), GetPluginClass());
  EXPECT_EQ(ThePlugin().current_document(), nullptr);
}

TEST(PluginIdentity, NameKindAndIdentifiers) {
  Tagkeeper& plugin = ThePlugin();
  const char* name = plugin.GetPlugInName();
  EXPECT_EQ(name, plugin.GetPlugInName());
  EXPECT_EQ(std::strncmp(name, "Tagkeeper ver.1.1 ", 18), 0) << name;
  EXPECT_GT(std::strlen(name), 18u);
  EXPECT_EQ(plugin.GetPlugInType(), 5);

  DWORD product = 0, id = 0;
  plugin.GetPlugInID(&product, &id);
  EXPECT_EQ(product, Tagkeeper::kProductID);
  EXPECT_EQ(id, Tagkeeper::kPluginID);
  EXPECT_NE(product, 0u);
  EXPECT_NE(id, 0u);
}

TEST(PluginIdentity, MenuStringsForEachIndex) {
  Tagkeeper& plugin = ThePlugin();
  const char* expected[] = {"copy ObjectNames", "restore ObjectNames", "copy MaterialNames",
                            "restore MaterialNames"};
  for (int index = 0; index < 4; ++index) EXPECT_STREQ(plugin.EnumString(index), expected[index]);
  for (int index : {-1, 4, 5, -2147483647 - 1, 2147483647}) EXPECT_EQ(plugin.EnumString(index), nullptr) << index;
}

TEST(PluginExecute, StoresTheDocumentEvenForAnIndexWithoutCommand) {
  Tagkeeper& plugin = ThePlugin();
  auto* doc = reinterpret_cast<MQDocument>(0x1234);
  for (int index : {4, -1}) {
    EXPECT_FALSE(plugin.Execute(index, doc));
    EXPECT_EQ(plugin.current_document(), doc);
  }
}

TEST(PluginExecute, RunsNoCommandWhileTheHostTableIsUnbound) {
  // This program exports no host functions and never called MQInit.
  ASSERT_FALSE(host::IsBound());
  auto* doc = reinterpret_cast<MQDocument>(0x5678);
  for (int index = 0; index < 4; ++index) {
    EXPECT_FALSE(ThePlugin().Execute(index, doc));
    EXPECT_EQ(ThePlugin().current_document(), doc);
  }
}

}  // namespace
