#include "name_index.h"

#include <cstring>

#include "host_types.h"

namespace {

// Names are kept in blocks of this many bytes, each followed by a NUL (a name
// handed to the host is a C string); a name never spans two blocks.
constexpr size_t kBlock = 64 * 1024;
static_assert(kBlock == 1 << 16, "a place holds a 16-bit offset in its block");

// Eight bytes a step: a byte-wise hash of a name costs more than the host's
// own name read (FNV-1a took a third of a 1,000-name restore's own time).
uint32_t HashOf(std::string_view name) {
  constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  uint64_t hash = name.size() * kMultiplier;
  size_t at = 0;
  for (; at + 8 <= name.size(); at += 8) {
    uint64_t word;
    std::memcpy(&word, name.data() + at, 8);
    hash = (hash ^ word) * kMultiplier;
    hash ^= hash >> 29;
  }
  uint64_t tail = 0;
  std::memcpy(&tail, name.data() + at, name.size() - at);
  hash ^= tail;
  // Every input bit reaches the low bits, which pick the slot.
  hash = (hash ^ (hash >> 33)) * 0xFF51AFD7ED558CCDull;
  hash = (hash ^ (hash >> 33)) * 0xC4CEB9FE1A85EC53ull;
  return static_cast<uint32_t>(hash ^ (hash >> 33));
}

}  // namespace

NameIndex::NameIndex(size_t count, size_t more) : holding_(count, kNone), more_(more) {
  size_t capacity = 16;
  while (capacity < (count + more) + (count + more) / 2) capacity *= 2;
  slots_.resize(capacity);
}

void NameIndex::FinishReading() {
  // A name read holds at most kNameBufferSize bytes: a block holds at least
  // this many more, past the one that did not fit the block before.
  const size_t per_block = kBlock / (kNameBufferSize + 1) - 1;
  for (size_t blocks = (more_ + per_block - 1) / per_block + 1; blocks > 0; --blocks) {
    AddBlock();
  }
  freed_.reserve(more_);
}

void NameIndex::AddBlock() {
  std::unique_ptr<char[]> block(new char[kBlock]);  // not cleared: only written bytes are read
  blocks_.push_back(std::move(block));
}

uint32_t NameIndex::Find(std::string_view name, uint32_t hash) const {
  const uint32_t mask = static_cast<uint32_t>(slots_.size() - 1);
  for (uint32_t at = hash & mask;; at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (slot.place == 0) return at;
    if (slot.hash == hash && Bytes(slot) == name) return at;
  }
}

uint32_t NameIndex::SlotOf(std::string_view name) {
  const uint32_t hash = HashOf(name);
  const uint32_t at = Find(name, hash);
  Slot& slot = slots_[at];
  if (slot.place == 0) {
    slot.place = Store(name);
    slot.hash = hash;
    slot.size = static_cast<uint32_t>(name.size());
  }
  return at;
}

uint32_t NameIndex::Store(std::string_view name) {
  if (blocks_.empty() || block_used_ + name.size() + 1 > kBlock) {
    if (!blocks_.empty()) ++current_;
    if (current_ == blocks_.size()) AddBlock();
    block_used_ = 0;
  }
  char* bytes = blocks_[current_].get() + block_used_;
  if (!name.empty()) std::memcpy(bytes, name.data(), name.size());
  bytes[name.size()] = '\0';
  const uint32_t place = static_cast<uint32_t>(current_ << 16 | block_used_) + 1;
  block_used_ += name.size() + 1;
  return place;
}

void NameIndex::Enter(size_t index, std::string_view name) {
  const uint32_t to = SlotOf(name), from = holding_[index];
  if (from == to) return;
  if (from != kNone && --slots_[from].holders == 0) freed_.push_back(from);
  ++slots_[to].holders;
  holding_[index] = to;
}

bool NameIndex::HeldByAnother(size_t own, std::string_view name) const {
  const uint32_t at = Find(name, HashOf(name));
  return slots_[at].holders > (Counted(own) && holding_[own] == at ? 1u : 0u);
}

std::string_view NameIndex::NameOf(size_t index) const {
  return Counted(index) ? Bytes(slots_[holding_[index]]) : std::string_view();
}

size_t NameIndex::HoldersOfNameOf(size_t index) const { return Counted(index) ? slots_[holding_[index]].holders : 0; }

std::string_view NameIndex::Keep(std::string_view name) { return Bytes(slots_[SlotOf(name)]); }
