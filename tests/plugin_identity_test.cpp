// The plug-in object in-process: one object, and what Execute keeps.
#include <gtest/gtest.h>

#include "Tagkeeper.h"
#include "host_table.h"
#include "plugin_object.h"

namespace {

Tagkeeper& ThePlugin() { return dynamic_cast<Tagkeeper&>(*GetPluginClass()); }

// A Tagkeeper, built on first use and kept: what one call stores, the next
// call's object holds.
TEST(PluginObject, IsOneObjectWithNoDocumentUntilTheFirstCommand) {
  MQBasePlugin* const first = GetPluginClass();
  ASSERT_NE(dynamic_cast<Tagkeeper*>(first), nullptr);
  EXPECT_EQ(ThePlugin().current_document(), nullptr);
  auto* doc = reinterpret_cast<MQDocument>(0x40);
  ThePlugin().Execute(-1, doc);
  EXPECT_EQ(GetPluginClass(), first);
  EXPECT_EQ(ThePlugin().current_document(), doc);
}

// Execute stores the document first, for every index, also while the host
// table is unbound (this program exports no host functions and never called
// MQInit), and then runs nothing.
TEST(PluginExecute, StoresTheDocumentForEveryIndexAndRunsNothingUnbound) {
  ASSERT_FALSE(host::IsBound());
  auto* doc = reinterpret_cast<MQDocument>(0x1234);
  for (int index = -1; index <= static_cast<int>(kMenuSize); ++index) {
    EXPECT_FALSE(ThePlugin().Execute(index, doc)) << index;
    EXPECT_EQ(ThePlugin().current_document(), doc) << index;
    doc = reinterpret_cast<MQDocument>(reinterpret_cast<uintptr_t>(doc) + 16);
  }
}

}  // namespace
