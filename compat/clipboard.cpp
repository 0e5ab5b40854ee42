#include "process_state.h"

using compat::State;

namespace {

bool OpenedByThisThread() { return State().open && State().opener == std::this_thread::get_id(); }

}  // namespace

BOOL OpenClipboard(HWND) {
  compat::ProcessState& state = State();
  if (state.TakeFailure(compat::Failure::OpenClipboard) || state.held_elsewhere) return FALSE;
  if (state.open && !OpenedByThisThread()) return FALSE;
  state.open = true;
  state.opener = std::this_thread::get_id();
  return TRUE;
}

BOOL CloseClipboard() {
  if (!OpenedByThisThread()) return FALSE;
  for (auto& format : State().formats) compat::ExpectUnlocked(format.second, "on the clipboard when it closed");
  State().open = false;
  return TRUE;
}

BOOL EmptyClipboard() {
  if (!OpenedByThisThread()) return FALSE;
  for (auto& format : State().formats) {
    compat::ExpectUnlocked(format.second, "on the clipboard when it was emptied");
    compat::FreeBlock(format.second);
  }
  State().formats.clear();
  return TRUE;
}

HANDLE GetClipboardData(UINT format) {
  if (!OpenedByThisThread()) return nullptr;
  auto found = State().formats.find(format);
  return found == State().formats.end() ? nullptr : found->second;
}

HANDLE SetClipboardData(UINT format, HANDLE handle) {
  compat::GlobalBlock* block = compat::BlockOf(handle);
  if (!OpenedByThisThread() || block == nullptr) return nullptr;
  if (State().TakeFailure(compat::Failure::SetClipboardData)) return nullptr;
  compat::ExpectUnlocked(block, "when handed to the clipboard");
  compat::GlobalBlock*& slot = State().formats[format];
  if (slot != nullptr && slot != block) compat::FreeBlock(slot);
  slot = block;
  return handle;
}
