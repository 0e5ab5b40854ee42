#include "clipboard_text.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr UINT kClipboardAllocFlags = GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE;

// A memory block to hand to the clipboard; freed unless the clipboard took it.
class ClipboardBlock {
 public:
  explicit ClipboardBlock(const std::string& text) : handle_(GlobalAlloc(kClipboardAllocFlags, text.size() + 1)) {
    if (handle_ == nullptr) return;
    void* data = GlobalLock(handle_);
    if (data == nullptr) return;
    std::memcpy(data, text.c_str(), text.size() + 1);
    GlobalUnlock(handle_);
    filled_ = true;
  }
  ~ClipboardBlock() {
    if (handle_ != nullptr) GlobalFree(handle_);
  }
  ClipboardBlock(const ClipboardBlock&) = delete;
  ClipboardBlock& operator=(const ClipboardBlock&) = delete;

  bool is_filled() const { return filled_; }

  // Offers the block to the clipboard; true when the clipboard now owns it.
  bool HandOver() {
    if (!filled_ || SetClipboardData(CF_TEXT, handle_) == nullptr) return false;
    handle_ = nullptr;
    return true;
  }

 private:
  HGLOBAL handle_;
  bool filled_ = false;
};

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

void WriteClipboardText(const std::string& text) {
  // The block is ready before the clipboard is emptied: a block that cannot
  // be had must not cost the user what the clipboard held.
  ClipboardBlock block(text);
  if (!block.is_filled()) return;
  OpenedClipboard clipboard;
  if (!clipboard.is_open()) return;
  EmptyClipboard();
  if (block.HandOver()) OutputDebugStringW(L"ok");
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
