#include "clipboard_text.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr UINT kClipboardAllocFlags = GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE;
// The first block's size; it doubles as the text grows.
constexpr size_t kFirstCapacity = 4096;

// A clipboard block locked for reading, unlocked again on every path: the
// copy into the text may throw when memory runs out.
class LockedBlock {
 public:
  explicit LockedBlock(HANDLE handle) : handle_(handle), data_(static_cast<const char*>(GlobalLock(handle))) {}
  ~LockedBlock() {
    if (data_ != nullptr) GlobalUnlock(handle_);
  }
  LockedBlock(const LockedBlock&) = delete;
  LockedBlock& operator=(const LockedBlock&) = delete;

  const char* data() const { return data_; }

 private:
  HANDLE handle_;
  const char* data_;
};

// Holds the clipboard open for one operation. Closes only what it opened:
// closing a clipboard opened by someone else would close the host's own.
class OpenedClipboard {
 public:
  OpenedClipboard() : open_(OpenClipboard(nullptr) != FALSE) {}
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;

  bool is_open() const { return open_; }

 private:
  bool open_;
};

}  // namespace

ClipboardText::~ClipboardText() {
  if (handle_ == nullptr) return;
  if (data_ != nullptr) GlobalUnlock(handle_);
  GlobalFree(handle_);
}

char* ClipboardText::Grow(size_t size) {
  if (failed_) return nullptr;
  const size_t capacity = std::max({2 * capacity_, used_ + size, kFirstCapacity, hint_});
  HGLOBAL grown;
  if (handle_ == nullptr) {
    grown = GlobalAlloc(kClipboardAllocFlags, capacity);
  } else {
    GlobalUnlock(handle_);
    data_ = nullptr;
    grown = GlobalReAlloc(handle_, capacity, GMEM_MOVEABLE | GMEM_ZEROINIT);
  }
  if (grown != nullptr) {
    handle_ = grown;
    data_ = static_cast<char*>(GlobalLock(handle_));
  }
  // Once memory ran out no room is left, and nothing is handed over.
  failed_ = data_ == nullptr;
  capacity_ = failed_ ? 0 : capacity;
  return failed_ ? nullptr : data_ + used_;
}

void ClipboardText::Write() {
  char* end = Room(1);
  if (end == nullptr) return;
  *end = '\0';
  GlobalUnlock(handle_);
  data_ = nullptr;
  // Cut to the text and its NUL; a block that cannot shrink goes as it is.
  if (HGLOBAL cut = GlobalReAlloc(handle_, used_ + 1, GMEM_MOVEABLE)) handle_ = cut;
  OpenedClipboard clipboard;
  if (!clipboard.is_open()) return;
  EmptyClipboard();
  if (SetClipboardData(CF_TEXT, handle_) == nullptr) return;
  handle_ = nullptr;  // the clipboard owns it now
  OutputDebugStringW(L"ok");
}

bool ReadClipboardText(std::string& text) {
  OpenedClipboard clipboard;
  if (!clipboard.is_open()) return true;
  HANDLE handle = GetClipboardData(CF_TEXT);
  if (handle == nullptr) return true;
  OutputDebugStringW(L"ok");
  const LockedBlock block(handle);
  if (block.data() == nullptr) return true;
  // A block from another program need not end in a NUL.
  const size_t size = GlobalSize(handle);
  const void* nul = std::memchr(block.data(), '\0', size);
  text.assign(block.data(), nul ? static_cast<const char*>(nul) - block.data() : size);
  return true;
}
