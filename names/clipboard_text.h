#pragma once
// Plain text to and from the clipboard: code page text (CF_TEXT, the host's
// ANSI code page), with Unicode text (CF_UNICODETEXT) of the same names
// beside it. Windows converts between the two itself, but with the code page
// of the clipboard's locale, which comes from the keyboard layout in use when
// the text was placed, not from the system: names typed in a Unicode editor
// under another layout would reach a code page reader as question marks. So
// the plug-in places and reads Unicode text itself.
#include <windows.h>

#include <string>

#include "name_encoding.h"

// How the clipboard's blocks are allocated.
constexpr UINT kClipboardAllocFlags = GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE;

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

  // Puts the text and one terminating NUL on the clipboard, then Unicode text
  // of the same names, converted in encoding (none when any part of the text
  // does not convert: the system then makes it from the code page text).
  // Failures are silent: a block the clipboard refuses leaves it empty. Once
  // the code page text is on the clipboard the debugger receives "ok".
  void Write(const NameEncoding& encoding);

 private:
  char* Grow(size_t size);

  HGLOBAL handle_ = nullptr;
  char* data_ = nullptr;  // the block, locked while it is written
  size_t capacity_ = 0, used_ = 0, hint_ = 0;  // capacity_ 0 once memory ran out
  bool failed_ = false;
};

// The clipboard's text in the format that the program which filled it placed
// first: Windows lists placed formats before the ones it makes, so Unicode
// text listed before code page text was placed as Unicode.
struct ClipboardContent {
  bool unicode = false;  // the text is wide, not bytes
  std::string text;
  std::wstring wide;
};

// Replaces content with the clipboard's text, when there is any: the block's
// characters up to its first NUL or its end, whichever comes first (an odd
// last byte of a Unicode block counts for nothing). Sends "ok" once the
// clipboard gave a block. True on every path.
bool ReadClipboardText(ClipboardContent& content);
