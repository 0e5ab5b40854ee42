#include "process_state.h"

#include <cstdlib>

namespace compat {

ProcessState& State() {
  static ProcessState state;
  return state;
}

ProcessState::~ProcessState() {
  for (GlobalBlock* block : blocks) {
    std::free(block->data);
    delete block;
  }
}

void FailNext(Failure which) { State().failures.insert(static_cast<int>(which)); }

void HoldClipboardElsewhere(bool held) { State().held_elsewhere = held; }

void SetInputLanguage(LCID language) { State().input_language = language; }

void ResetAll() {
  ProcessState& state = State();
  for (auto& format : state.formats) {
    if (format.block) FreeBlock(format.block);
  }
  state.formats.clear();
  state.open = false;
  state.changed = false;
  state.input_language = kDefaultInputLanguage;
  state.held_elsewhere = false;
  state.failures.clear();
  state.debug_strings.clear();
  state.refused_calls.clear();
  state.lock_breaches.clear();
  state.ansi_code_page = kDefaultAnsiCodePage;
}

bool SetAnsiCodePage(UINT code_page) {
  if (code_page != 1252 && code_page != 65001) return false;
  State().ansi_code_page = code_page;
  return true;
}

std::vector<std::string> RefusedCalls() { return State().refused_calls; }

void ForgetRefusedCalls() { State().refused_calls.clear(); }

std::vector<std::wstring> DebugStrings() { return State().debug_strings; }

size_t LiveGlobalBlocks() { return State().blocks.size(); }

std::vector<std::string> LockBreaches() { return State().lock_breaches; }

}  // namespace compat
