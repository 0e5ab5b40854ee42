#include "name_table.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

// Names are copied into blocks of at least this size. Under Wine a block of
// 128 KB or more is fresh memory, page-faulted in on every restore; smaller
// ones come from the heap again.
constexpr size_t kBlock = 64 * 1024;

uint32_t HashOf(std::string_view name) { return static_cast<uint32_t>(std::hash<std::string_view>()(name)); }

// Not cleared: only the bytes written are read, and a reserve is mostly never touched.
std::unique_ptr<char[]> NewBlock(size_t size) { return std::unique_ptr<char[]>(new char[size]); }

}  // namespace

void NameTable::Reserve(size_t names, size_t bytes) {
  const size_t most = names_.size() + names;
  size_t capacity = slots_.empty() ? 16 : slots_.size();
  while (capacity < 2 * most) capacity *= 2;
  if (capacity != slots_.size()) Rehash(capacity);
  names_.reserve(most);
  if (bytes > room_) {
    // One block for all of them: many blocks freed at once made glibc trim
    // and refetch its heap on every restore (130,000 page faults instead of
    // 1,000 over a bench row).
    blocks_.push_back(NewBlock(bytes));
    free_ = blocks_.back().get();
    room_ = bytes;
  }
}

size_t NameTable::SlotOf(std::string_view name, uint32_t hash) const {
  const size_t mask = slots_.size() - 1;
  size_t at = hash & mask;
  while (slots_[at].number != kAbsent && !(slots_[at].hash == hash && names_[slots_[at].number] == name)) {
    at = (at + 1) & mask;
  }
  return at;
}

uint32_t NameTable::Find(std::string_view name) const {
  return slots_.empty() ? kAbsent : slots_[SlotOf(name, HashOf(name))].number;
}

uint32_t NameTable::Add(std::string_view name) {
  if (2 * (names_.size() + 1) > slots_.size()) Rehash(slots_.empty() ? 16 : 2 * slots_.size());
  const uint32_t hash = HashOf(name);
  Slot& slot = slots_[SlotOf(name, hash)];
  if (slot.number == kAbsent) {
    slot = {static_cast<uint32_t>(names_.size()), hash};
    names_.emplace_back(copies_ ? Copy(name) : name.data(), name.size());
  }
  return slot.number;
}

void NameTable::Rehash(size_t capacity) {
  std::vector<Slot> old(capacity);
  old.swap(slots_);
  for (const Slot& slot : old) {
    if (slot.number == kAbsent) continue;
    size_t at = slot.hash & (capacity - 1);
    while (slots_[at].number != kAbsent) at = (at + 1) & (capacity - 1);
    slots_[at] = slot;
  }
}

const char* NameTable::Copy(std::string_view name) {
  if (name.size() + 1 > room_) {
    room_ = std::max(kBlock, name.size() + 1);
    blocks_.push_back(NewBlock(room_));
    free_ = blocks_.back().get();
  }
  char* bytes = free_;
  if (!name.empty()) std::memcpy(bytes, name.data(), name.size());
  bytes[name.size()] = '\0';
  free_ += name.size() + 1;
  room_ -= name.size() + 1;
  return bytes;
}
