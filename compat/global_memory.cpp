#include <cstdlib>
#include <cstring>

#include "process_state.h"

namespace compat {

GlobalBlock* BlockOf(HGLOBAL handle) {
  auto* block = static_cast<GlobalBlock*>(handle);
  return State().blocks.count(block) ? block : nullptr;
}

void ExpectUnlocked(const GlobalBlock* block, const char* when) {
  if (block->locks != 0) State().lock_breaches.push_back(std::string("a block locked ") + when);
}

void FreeBlock(GlobalBlock* block) {
  State().blocks.erase(block);
  std::free(block->data);
  delete block;
}

}  // namespace compat

using compat::BlockOf;
using compat::State;

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) {
  if (State().TakeFailure(compat::Failure::GlobalAlloc)) return nullptr;
  // At least one byte, so that a zero-sized block still has an address.
  void* data = (flags & GMEM_ZEROINIT) ? std::calloc(bytes ? bytes : 1, 1) : std::malloc(bytes ? bytes : 1);
  if (data == nullptr) return nullptr;
  auto* block = new compat::GlobalBlock{bytes, 0, static_cast<unsigned char*>(data)};
  State().blocks.insert(block);
  return block;
}

HGLOBAL GlobalReAlloc(HGLOBAL handle, SIZE_T bytes, UINT flags) {
  compat::GlobalBlock* block = BlockOf(handle);
  if (block == nullptr || State().TakeFailure(compat::Failure::GlobalReAlloc)) return nullptr;
  compat::ExpectUnlocked(block, "when resized");
  void* data = std::realloc(block->data, bytes ? bytes : 1);
  if (data == nullptr) return nullptr;
  block->data = static_cast<unsigned char*>(data);
  if ((flags & GMEM_ZEROINIT) && bytes > block->size) std::memset(block->data + block->size, 0, bytes - block->size);
  block->size = bytes;
  return handle;
}

LPVOID GlobalLock(HGLOBAL handle) {
  compat::GlobalBlock* block = BlockOf(handle);
  if (block == nullptr || State().TakeFailure(compat::Failure::GlobalLock)) return nullptr;
  ++block->locks;
  return block->data;
}

BOOL GlobalUnlock(HGLOBAL handle) {
  compat::GlobalBlock* block = BlockOf(handle);
  if (block == nullptr || block->locks == 0) return FALSE;
  --block->locks;
  return block->locks != 0;
}

SIZE_T GlobalSize(HGLOBAL handle) {
  compat::GlobalBlock* block = BlockOf(handle);
  return block ? block->size : 0;
}

HGLOBAL GlobalFree(HGLOBAL handle) {
  compat::GlobalBlock* block = BlockOf(handle);
  if (block == nullptr) return handle;
  compat::ExpectUnlocked(block, "when freed");
  compat::FreeBlock(block);
  return nullptr;
}
