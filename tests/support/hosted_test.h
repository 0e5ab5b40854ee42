#pragma once
// Tests that run the plug-in's code in-process against the stand-in host: the
// test program itself exports the host functions and binds them, as a host
// does, through MQInit with its own path.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Tagkeeper.h"
#include "call_log.h"
#include "document.h"
#include "scoped_locale.h"

namespace testsupport {

enum class Presence { Present, Absent, Foreign };

// One object of a test scene.
struct ObjectSpec {
  ObjectSpec(int depth, bool folded, int selected, std::string name = "", Presence presence = Presence::Present)
      : depth(depth), folded(folded), selected(selected), name(std::move(name)), presence(presence) {}
  int depth;
  bool folded;
  int selected;
  std::string name;
  Presence presence;
};

// Appends the objects in order; their indices are their positions.
void AddObjects(testhost::Document& doc, const std::vector<ObjectSpec>& objects);

// The debug strings sent since the last reset, or none where they cannot be
// read back (on Windows they go to the debugger).
std::vector<std::wstring> DebugStrings();
bool CanReadDebugStrings();
// How many of them are "ok".
size_t OkCount();

class HostedTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  Tagkeeper& plugin();
  // Runs menu entry index on doc, as the host does through MQModifySelect.
  BOOL Run(int index);
  testhost::CallLog& log() { return testhost::Log(); }

  testhost::Document doc;
};

}  // namespace testsupport
