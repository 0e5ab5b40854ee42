#pragma once
// The stand-in's process-wide state: the clipboard with its memory blocks,
// and the test controls that go with it. Internal to compat/.
#include <string>
#include <thread>
#include <unordered_set>
#include <vector>

#include "compat_controls.h"

namespace compat {

struct GlobalBlock {
  size_t size;
  unsigned locks;
  unsigned char* data;
};

struct ProcessState {
  ProcessState() = default;
  ProcessState(const ProcessState&) = delete;
  ProcessState& operator=(const ProcessState&) = delete;
  // The process's end releases every block, the clipboard's included.
  ~ProcessState();

  // Clipboard: its formats in the order they were placed, followed by the
  // ones the system makes (made), which get their block when first asked for.
  struct ClipboardFormat {
    UINT format;
    GlobalBlock* block;  // owned by the clipboard; null for a made one not yet asked for
    bool made;
    LCID locale = 0;  // for a made CF_LOCALE: the input language when the clipboard closed
  };
  bool open = false;
  bool changed = false;  // emptied or given data since it was opened
  std::thread::id opener;
  bool held_elsewhere = false;
  std::vector<ClipboardFormat> formats;
  LCID input_language = kDefaultInputLanguage;

  // Global memory.
  std::unordered_set<GlobalBlock*> blocks;
  // Every block found still locked where Windows expects it unlocked: freed,
  // handed to the clipboard, or on the clipboard when it is closed.
  std::vector<std::string> lock_breaches;

  // Code pages.
  UINT ansi_code_page = kDefaultAnsiCodePage;
  std::vector<std::string> refused_calls;

  // Test controls.
  std::unordered_set<int> failures;
  std::vector<std::wstring> debug_strings;

  // True once when the next call of which was asked to fail.
  bool TakeFailure(Failure which) { return failures.erase(static_cast<int>(which)) != 0; }
};

ProcessState& State();

// The live block behind a handle, or null for anything else.
GlobalBlock* BlockOf(HGLOBAL handle);
// Records a breach when block is still locked at the moment named by when.
void ExpectUnlocked(const GlobalBlock* block, const char* when);
void FreeBlock(GlobalBlock* block);

}  // namespace compat
