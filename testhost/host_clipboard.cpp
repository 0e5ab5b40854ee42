#include "host_clipboard.h"

#include <windows.h>

#include <cstring>

namespace testhost {

bool PutClipboardBlock(const std::string& bytes) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  bool done = false;
  if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size() ? bytes.size() : 1)) {
    if (void* data = GlobalLock(block)) {
      std::memcpy(data, bytes.data(), bytes.size());
      GlobalUnlock(block);
      done = SetClipboardData(CF_TEXT, block) != nullptr;
    }
    if (!done) GlobalFree(block);
  }
  CloseClipboard();
  return done;
}

bool PutClipboardText(const std::string& text) { return PutClipboardBlock(text + '\0'); }

bool ClearClipboard() {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  CloseClipboard();
  return true;
}

std::string ClipboardBlock(bool* absent) {
  if (absent) *absent = true;
  std::string bytes;
  if (!OpenClipboard(nullptr)) return bytes;
  if (HANDLE block = GetClipboardData(CF_TEXT)) {
    if (absent) *absent = false;
    if (const char* data = static_cast<const char*>(GlobalLock(block))) {
      const size_t size = GlobalSize(block);
      const void* nul = std::memchr(data, '\0', size);
      bytes.assign(data, nul ? static_cast<const char*>(nul) - data + 1 : size);
      GlobalUnlock(block);
    }
  }
  CloseClipboard();
  return bytes;
}

}  // namespace testhost
