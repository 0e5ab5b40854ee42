// MQInit against modules that export all, all but one, or differently cased
// host function names. Each test runs in a process of its own, so each
// starts with the table unbound.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "call_log.h"
#include "document.h"
#include "host_table.h"
#include "menu_list.h"
#include "plugin_library.h"
#include "plugin_object.h"
#include "MQMenuBasePlugin.h"
#include "export_list.h"

namespace {

const char* const kNoModule = "no-such-host-module.dll";

// Every entry's address, in lookup order.
std::vector<const void*> Entries() {
  std::vector<const void*> entries;
  host::ForEachEntry([&](const char*, const void* address) { entries.push_back(address); });
  return entries;
}

std::vector<const void*> ExportsOf(HMODULE module) {
  std::vector<const void*> addresses;
  host::ForEachEntry([&](const char* name, const void*) {
    addresses.push_back(reinterpret_cast<const void*>(GetProcAddress(module, name)));
  });
  return addresses;
}

size_t FilledEntries() {
  size_t filled = 0;
  for (const void* entry : Entries()) filled += entry != nullptr;
  return filled;
}

bool IsLoaded(const char* path) { return GetModuleHandleA(path) != nullptr; }

BOOL RunCopyCommand(testhost::Document& doc) {
  return dynamic_cast<MQMenuBasePlugin&>(*GetPluginClass()).Execute(kMenuCopyObjectNames, doc.handle());
}

TEST(Binding, APathThatNamesNoModuleChangesNothing) {
  EXPECT_FALSE(MQInit(kNoModule));
  EXPECT_FALSE(MQInit(nullptr));
  EXPECT_FALSE(MQInit(""));
  EXPECT_EQ(FilledEntries(), 0u);
  EXPECT_EQ(host::g_binding, host::Binding::Unbound);

  HMODULE own = LoadLibraryA(HOSTMOD_ALL);
  ASSERT_TRUE(MQInit(HOSTMOD_ALL));
  const auto bound = Entries();
  EXPECT_FALSE(MQInit(kNoModule));
  EXPECT_EQ(Entries(), bound);
  EXPECT_EQ(host::g_binding, host::Binding::Bound);
  FreeLibrary(own);
}

// A module that nothing else holds goes with the reference MQInit gives back:
// a table pointing into it would send the next command into freed memory.
TEST(Binding, AModuleThatNothingElseHoldsLeavesTheTableUnbound) {
  ASSERT_FALSE(IsLoaded(HOSTMOD_ALL));
  EXPECT_FALSE(MQInit(HOSTMOD_ALL));
  EXPECT_FALSE(IsLoaded(HOSTMOD_ALL));
  EXPECT_EQ(host::g_binding, host::Binding::Unbound);
  EXPECT_EQ(FilledEntries(), 0u);
  testhost::Document doc;
  doc.AddObject("A", 0, false, 1);
  EXPECT_FALSE(RunCopyCommand(doc));
  EXPECT_TRUE(testhost::Log().calls().empty());
}

TEST(Binding, AModuleWithEveryNameFillsEveryEntryAndIsReleased) {
  HMODULE own = LoadLibraryA(HOSTMOD_ALL);
  ASSERT_NE(own, nullptr);
  EXPECT_TRUE(MQInit(HOSTMOD_ALL));
  EXPECT_EQ(host::g_binding, host::Binding::Bound);
  const auto entries = Entries();
  EXPECT_EQ(entries.size(), size_t{TK_HOST_FUNCTION_COUNT});
  EXPECT_EQ(entries, ExportsOf(own));
  EXPECT_EQ(FilledEntries(), size_t{TK_HOST_FUNCTION_COUNT});
  EXPECT_TRUE(MQInit(HOSTMOD_ALL)) << "a second call binds again";
  EXPECT_EQ(Entries(), entries);

  // MQInit gave back its references: one FreeLibrary unloads the module.
  FreeLibrary(own);
  EXPECT_FALSE(IsLoaded(HOSTMOD_ALL));
}

TEST(Binding, AModuleWithoutTheLastNameFillsTheOther176) {
  HMODULE own = LoadLibraryA(HOSTMOD_NO_LAST);
  ASSERT_NE(own, nullptr);
  EXPECT_FALSE(MQInit(HOSTMOD_NO_LAST));
  EXPECT_EQ(host::g_binding, host::Binding::PartlyBound);
  const auto entries = Entries();
  EXPECT_EQ(entries.back(), nullptr);
  EXPECT_EQ(FilledEntries(), 176u);
  EXPECT_EQ(entries, ExportsOf(own));
  FreeLibrary(own);
  EXPECT_FALSE(IsLoaded(HOSTMOD_NO_LAST));
}

TEST(Binding, AModuleWithoutTheSecondNameStopsAfterTheFirst) {
  EXPECT_FALSE(MQInit(HOSTMOD_NO_SECOND));
  const auto entries = Entries();
  EXPECT_NE(entries[0], nullptr);
  EXPECT_EQ(FilledEntries(), 1u);
  EXPECT_FALSE(IsLoaded(HOSTMOD_NO_SECOND));
}

TEST(Binding, NamesThatDifferOnlyInCaseAreNotFound) {
  EXPECT_FALSE(MQInit(HOSTMOD_LOWER_CASE));
  EXPECT_EQ(FilledEntries(), 0u);
  EXPECT_EQ(host::g_binding, host::Binding::PartlyBound);
  EXPECT_FALSE(IsLoaded(HOSTMOD_LOWER_CASE));
}

TEST(Binding, AFailedBindingAfterASuccessfulOneOverwritesWhatItReached) {
  HMODULE all = LoadLibraryA(HOSTMOD_ALL);
  ASSERT_TRUE(MQInit(HOSTMOD_ALL));
  const auto bound = Entries();
  EXPECT_FALSE(MQInit(HOSTMOD_NO_SECOND));
  const auto after = Entries();
  EXPECT_NE(after[0], bound[0]);
  EXPECT_EQ(after[1], nullptr);
  EXPECT_EQ(std::vector<const void*>(after.begin() + 2, after.end()),
            std::vector<const void*>(bound.begin() + 2, bound.end()));
  FreeLibrary(all);
}

// Commands run only on a fully bound table; otherwise no host call is made.
TEST(BindingState, CommandsRunOnlyWhenBound) {
  const std::string self = testhost::OwnExecutablePath();
  testhost::Document doc;
  doc.AddObject("A", 0, false, 1);

  EXPECT_FALSE(RunCopyCommand(doc)) << "unbound";
  EXPECT_TRUE(testhost::Log().calls().empty());

  EXPECT_FALSE(MQInit(HOSTMOD_NO_LAST));
  EXPECT_FALSE(RunCopyCommand(doc)) << "partly bound";
  EXPECT_TRUE(testhost::Log().calls().empty());

  ASSERT_TRUE(MQInit(self.c_str())) << "the running program binds as the host";
  EXPECT_EQ(FilledEntries(), size_t{TK_HOST_FUNCTION_COUNT});
  EXPECT_TRUE(RunCopyCommand(doc)) << "bound";
  EXPECT_GT(testhost::Log().Count("MQObj_GetName"), 0u);

  testhost::Log().Clear();
  EXPECT_FALSE(MQInit(kNoModule));
  EXPECT_TRUE(RunCopyCommand(doc)) << "an unloadable path leaves the table bound";

  EXPECT_FALSE(MQInit(HOSTMOD_NO_SECOND));
  testhost::Log().Clear();
  EXPECT_FALSE(RunCopyCommand(doc)) << "partly bound again";
  EXPECT_TRUE(testhost::Log().calls().empty());
  EXPECT_TRUE(testhost::Log().unexpected().empty());
}

}  // namespace
