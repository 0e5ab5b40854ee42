// Against the real Windows clipboard: another thread's window holds it open.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <thread>

#include "host_clipboard.h"
#include "hosted_test.h"
#include "menu_list.h"

namespace {

using testsupport::HostedTest;

// Opens the clipboard from a window of its own thread and keeps it open
// until destroyed.
class ClipboardHolder {
 public:
  ClipboardHolder() : thread_([this] { Hold(); }) {
    while (!ready_) std::this_thread::yield();
  }
  ~ClipboardHolder() {
    release_ = true;
    thread_.join();
  }
  bool holding() const { return holding_; }

 private:
  void Hold() {
    HWND window = CreateWindowExA(0, "STATIC", "holder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    holding_ = window != nullptr && OpenClipboard(window);
    ready_ = true;
    while (!release_) Sleep(1);
    if (holding_) CloseClipboard();
    if (window) DestroyWindow(window);
  }
  std::atomic<bool> ready_{false}, release_{false}, holding_{false};
  std::thread thread_;
};

class HeldClipboard : public HostedTest {};

TEST_F(HeldClipboard, CopyLeavesItAsItWasAndRestoreFindsNoText) {
  doc.AddObject("A", 0, true, 1);
  doc.AddMaterial("M", 1);
  ASSERT_TRUE(testhost::PutClipboardText("before"));
  {
    ClipboardHolder holder;
    ASSERT_TRUE(holder.holding());
    EXPECT_TRUE(Run(kMenuCopyObjectNames));
    EXPECT_TRUE(Run(kMenuCopyMaterialNames));
    EXPECT_TRUE(Run(kMenuRestoreObjectNames));
    EXPECT_TRUE(Run(kMenuRestoreMaterialNames));
  }
  EXPECT_EQ(testhost::ClipboardBlock(), std::string("before") + '\0');
  EXPECT_EQ(doc.ObjectNames(), std::vector<std::string>{"A"});
  EXPECT_EQ(doc.MaterialNames(), std::vector<std::string>{"M"});
  EXPECT_EQ(log().Count("MQObj_SetIntValue"), 2u) << "the folded write-back still happens";
}

TEST_F(HeldClipboard, ARestoreRoundTripThroughTheDesktopClipboard) {
  doc.AddObject("one", 0, false, 1);
  doc.AddObject("two", 0, false, 1);
  ASSERT_TRUE(Run(kMenuCopyObjectNames));
  EXPECT_EQ(testhost::ClipboardBlock(), std::string("one\ntwo\n") + '\0');
  ASSERT_TRUE(testhost::PutClipboardText("two\r\none\r\n"));
  ASSERT_TRUE(Run(kMenuRestoreObjectNames));
  EXPECT_EQ(doc.ObjectNames(), (std::vector<std::string>{"two", "one"}));
}

}  // namespace
