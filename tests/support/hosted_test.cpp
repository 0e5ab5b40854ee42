#include "hosted_test.h"

#include <windows.h>

#include <clocale>

#include "code_page_system.h"
#include "host_clipboard.h"
#include "host_table.h"
#include "plugin_library.h"
#include "plugin_object.h"
#if !defined(_WIN32)
#include "compat_controls.h"
#endif

namespace testsupport {

void AddObjects(testhost::Document& doc, const std::vector<ObjectSpec>& objects) {
  for (const ObjectSpec& object : objects) {
    switch (object.presence) {
      case Presence::Present: doc.AddObject(object.name, object.depth, object.folded, object.selected); break;
      case Presence::Absent: doc.AddAbsentObject(); break;
      case Presence::Foreign: doc.AddForeignObject(object.name, object.depth, object.folded, object.selected); break;
    }
  }
}

std::vector<std::wstring> DebugStrings() {
#if defined(_WIN32)
  return {};
#else
  return compat::DebugStrings();
#endif
}

size_t OkCount() {
  size_t oks = 0;
  for (const auto& text : DebugStrings()) oks += text == L"ok";
  return oks;
}

bool CanReadDebugStrings() {
#if defined(_WIN32)
  return false;
#else
  return true;
#endif
}

void HostedTest::SetUp() {
  if (!host::IsBound()) {
    ASSERT_TRUE(host::BindHostFunctions(testhost::OwnExecutablePath().c_str()))
        << "the test program must export every host function";
  }
#if !defined(_WIN32)
  compat::ResetAll();
#endif
  testhost::ClearClipboard();
  log().Clear();
  testsupport::ForgetRefusedCodePageCalls();
}

void HostedTest::TearDown() {
  EXPECT_EQ(testsupport::RefusedCodePageCalls(), std::vector<std::string>{}) << "calls Windows would refuse";
#if !defined(_WIN32)
  EXPECT_EQ(compat::LockBreaches(), std::vector<std::string>{}) << "every GlobalLock is undone";
#endif
}

Tagkeeper& HostedTest::plugin() { return dynamic_cast<Tagkeeper&>(*GetPluginClass()); }

BOOL HostedTest::Run(int index) { return plugin().Execute(index, doc.handle()); }

}  // namespace testsupport
