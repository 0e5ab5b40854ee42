#include "clipboard_text.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

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
  size_t size() const { return GlobalSize(handle_); }

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

// The text format listed first, CF_TEXT when neither is listed.
UINT FirstTextFormat() {
  for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
    if (format == CF_TEXT || format == CF_UNICODETEXT) return format;
  }
  return CF_TEXT;
}

// A block of Unicode text converted from text[0, size), which a NUL follows;
// null when a part does not convert or memory ran out.
HGLOBAL UnicodeBlock(const char* text, size_t size, const NameEncoding& encoding) {
  const size_t room = encoding.WideRoom(size);
  HGLOBAL block = GlobalAlloc(kClipboardAllocFlags, room * sizeof(wchar_t));
  if (block == nullptr) return nullptr;
  long length = -1;
  if (auto* wide = static_cast<wchar_t*>(GlobalLock(block))) {
    length = encoding.ToWideIn(text, size, wide, room);
    GlobalUnlock(block);
  }
  if (length < 0) return GlobalFree(block), nullptr;
  if (HGLOBAL cut = GlobalReAlloc(block, (static_cast<size_t>(length) + 1) * sizeof(wchar_t), GMEM_MOVEABLE)) {
    block = cut;
  }
  return block;
}

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

void ClipboardText::Write(const NameEncoding& encoding) {
  char* end = Room(1);
  if (end == nullptr) return;
  *end = '\0';
  HGLOBAL unicode = UnicodeBlock(data_, used_, encoding);
  GlobalUnlock(handle_);
  data_ = nullptr;
  // Cut to the text and its NUL; a block that cannot shrink goes as it is.
  if (HGLOBAL cut = GlobalReAlloc(handle_, used_ + 1, GMEM_MOVEABLE)) handle_ = cut;
  OpenedClipboard clipboard;
  if (clipboard.is_open()) {
    EmptyClipboard();
    if (SetClipboardData(CF_TEXT, handle_) != nullptr) {
      handle_ = nullptr;  // the clipboard owns it now
      OutputDebugStringW(L"ok");
      if (unicode != nullptr && SetClipboardData(CF_UNICODETEXT, unicode) != nullptr) unicode = nullptr;
    }
  }
  if (unicode != nullptr) GlobalFree(unicode);
}

bool ReadClipboardText(ClipboardContent& content) {
  OpenedClipboard clipboard;
  if (!clipboard.is_open()) return true;
  const UINT format = FirstTextFormat();
  HANDLE handle = GetClipboardData(format);
  if (handle == nullptr) return true;
  OutputDebugStringW(L"ok");
  const LockedBlock block(handle);
  if (block.data() == nullptr) return true;
  // A block from another program need not end in a NUL.
  content.unicode = format == CF_UNICODETEXT;
  if (content.unicode) {
    const auto* wide = reinterpret_cast<const wchar_t*>(block.data());
    const size_t room = block.size() / sizeof(wchar_t);
    content.wide.assign(wide, std::find(wide, wide + room, L'\0'));
    content.text.clear();
  } else {
    const void* nul = std::memchr(block.data(), '\0', block.size());
    content.text.assign(block.data(), nul ? static_cast<const char*>(nul) - block.data() : block.size());
    content.wide.clear();
  }
  return true;
}
