#pragma once
// Plain text (CF_TEXT, the host's ANSI code page) to and from the clipboard.
#include <windows.h>

#include <string>

// Text for the clipboard, written straight into the memory block that the
// clipboard will own, so that it is copied no second time. The block grows
// with the text, zeroed (every byte of the room has a value), and is cut to
// the text and its NUL when it is handed over. The block is ready before the
// clipboard is opened: a block that cannot be had costs the user nothing of
// what the clipboard held.
class ClipboardText {
 public:
  explicit ClipboardText(size_t hint = 0) : hint_(hint) {}
  ~ClipboardText();  // frees a block the clipboard did not take
  ClipboardText(const ClipboardText&) = delete;
  ClipboardText& operator=(const ClipboardText&) = delete;

  // Room for size more bytes at the text's end; null once memory ran out,
  // after which nothing is handed over.
  char* Room(size_t size) { return used_ + size <= capacity_ ? data_ + used_ : Grow(size); }
  // Moves the text's end on by size bytes of the room.
  void Advance(size_t size) { used_ += size; }

  // Puts the text and one terminating NUL on the clipboard. Failures are
  // silent: a block the clipboard refuses leaves it empty. On success the
  // debugger receives "ok".
  void Write();

 private:
  char* Grow(size_t size);

  HGLOBAL handle_ = nullptr;
  char* data_ = nullptr;  // the block, locked while it is written
  size_t capacity_ = 0, used_ = 0, hint_ = 0;  // capacity_ 0 once memory ran out
  bool failed_ = false;
};

// Replaces text with the clipboard's text, when there is any: the bytes of the
// block up to its first NUL or its end, whichever comes first. Sends "ok" once
// the clipboard gave a block. True on every path.
bool ReadClipboardText(std::string& text);
