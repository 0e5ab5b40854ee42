#pragma once
// The names of a document's objects (or materials) as a restore knows them:
// read once before anything is renamed, then kept true through both passes by
// entering the name the host kept after each rename. It answers whether an
// index other than a given one holds a name exactly as a fresh reading of the
// document would, as long as names change only through the restore's renames.
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class NameIndex {
 public:
  // For the indices [0, count), and room for `more` names to enter after the
  // first reading. Allocates the table; the first reading's bytes are
  // allocated as they come, and FinishReading makes the room for the rest.
  NameIndex(size_t count, size_t more);

  // Index (below count) holds name from now on: its first reading, or the
  // name the host kept after a rename. Only the indices that a reading counts
  // are entered.
  void Enter(size_t index, std::string_view name);
  // Makes room for the `more` names, so that nothing allocates from here on.
  void FinishReading();

  bool Counted(size_t index) const { return index < holding_.size() && holding_[index] != kNone; }
  // Whether an entered index other than own holds name.
  bool HeldByAnother(size_t own, std::string_view name) const;
  // The name that index holds, and how many entered indices hold it; an
  // index not entered holds none.
  std::string_view NameOf(size_t index) const;
  size_t HoldersOfNameOf(size_t index) const;

  // The same bytes as name, followed by a NUL, kept as long as the index
  // lives (name is entered as a name nobody holds when no index holds it
  // yet). Takes one of the `more` names' room.
  std::string_view Keep(std::string_view name);

  // The names that came to be held by no index, in the order they did: the
  // only way a name that was taken becomes free.
  size_t FreedCount() const { return freed_.size(); }
  std::string_view Freed(size_t k) const { return Bytes(slots_[freed_[k]]); }

 private:
  static constexpr uint32_t kNone = UINT32_MAX;
  // Four words: the table is looked at once per name read, so its size is
  // what the restore's memory and cache misses grow with.
  struct Slot {
    uint32_t place = 0;  // 1 + where the bytes lie (block << 16 | offset); 0 for an empty slot
    uint32_t hash = 0;
    uint32_t size = 0;
    uint32_t holders = 0;
  };
  std::string_view Bytes(const Slot& slot) const {
    return {blocks_[(slot.place - 1) >> 16].get() + ((slot.place - 1) & 0xFFFF), slot.size};
  }

  // The slot of name, or the empty slot where it would go.
  uint32_t Find(std::string_view name, uint32_t hash) const;
  // The slot of name, made (with its bytes copied) if there is none.
  uint32_t SlotOf(std::string_view name);
  // Copies name into the blocks, which never move; returns its place.
  uint32_t Store(std::string_view name);
  void AddBlock();

  std::vector<Slot> slots_;  // open addressing; a power of two, at most two thirds full
  std::vector<uint32_t> holding_;  // per index, the slot of its name
  std::vector<uint32_t> freed_;
  std::vector<std::unique_ptr<char[]>> blocks_;
  size_t block_used_ = 0;  // bytes used of blocks_[current_]
  size_t current_ = 0;
  size_t more_;
};
