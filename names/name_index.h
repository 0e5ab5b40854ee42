#pragma once
// The names of a document's objects (or materials) as a restore knows them:
// read once before anything is renamed, then kept true through both passes by
// entering the name the host kept after each rename. It answers whether an
// index other than a given one holds a name exactly as a fresh reading of the
// document would, as long as names change only through the restore's renames
// and the name asked about is one the stems cover. Only such names are kept:
// an index holding another is known to hold none of them.
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "chain_stems.h"
#include "name_buffer.h"
#include "name_hash.h"

class NameIndex {
 public:
  // For the indices [0, count), and room for `more` names to enter after the
  // first reading. The first reading's bytes are allocated as they come, and
  // FinishReading makes the table and the room for the rest. stems must
  // outlive the index.
  NameIndex(size_t count, size_t more, const ChainStems& stems);

  // Index (below count) holds the name the host wrote into buffer, a name
  // buffer, from now on: its first reading (once per index), or the name the
  // host kept after a rename. Only the indices that a reading counts are
  // entered. The name's end is looked for only when the name may count.
  void Enter(size_t index, const char* buffer) {
    // Inline: most names of a large document are ruled out by their first
    // byte in the first reading, and a call costs about as much as that.
    if (!finished_ && !stems_.MayCover(buffer[0])) {
      holding_[index] = kOther;
      return;
    }
    EnterName(index, buffer);
  }
  // Makes the table of the names read, and room for the `more` names, so
  // that nothing allocates from here on. Only then can names be looked up.
  void FinishReading();

  bool Counted(size_t index) const { return index < holding_.size() && holding_[index] != kNone; }

  // Where name stands in the table, or would stand: good until the next
  // name is entered or kept, and for good once the name stands there (the
  // table never moves a name).
  struct Place {
    uint32_t slot;
    uint32_t hash;
  };
  Place Look(std::string_view name) const { return Look(name, HashOfName(name)); }
  // The same, for a name whose HashOfName is known.
  Place Look(std::string_view name, uint32_t hash) const { return {Find(name, hash), hash}; }
  // Whether an entered index other than own holds the name looked up at
  // place, which stems cover.
  bool HeldByAnother(size_t own, Place place) const;
  // The name that index holds, and how many entered indices hold it; an
  // index not entered, or holding a name the stems do not cover, holds none.
  std::string_view NameOf(size_t index) const;
  size_t HoldersOfNameOf(size_t index) const;

  // The same bytes as name, followed by a NUL, kept as long as the index
  // lives (name is entered as a name nobody holds when no index holds it
  // yet). place is where name stands, or Look(name) made since the last
  // name was entered or kept. Takes one of the `more` names' room.
  std::string_view Keep(std::string_view name, Place place);

  // The names that came to be held by no index, in the order they did: the
  // only way a name that was taken becomes free.
  size_t FreedCount() const { return freed_.size(); }
  std::string_view Freed(size_t k) const { return Bytes(names_[freed_[k]]); }

 private:
  static constexpr uint32_t kNone = UINT32_MAX;       // not entered
  static constexpr uint32_t kOther = UINT32_MAX - 1;  // entered, holding a name no search asks about
  struct Name {
    const char* bytes;  // followed by a NUL, in a block that never moves
    uint32_t size;
    // In the first reading, each name read has a record of its own, and this
    // holds its hash, made while its bytes are at hand; FinishReading counts
    // the holders here.
    uint32_t holders;
  };
  // Two words: the table is looked at once per name entered, so its size is
  // what the cache misses grow with. Made once, at its final size: growing it
  // while reading would move every name again and again.
  struct Slot {
    uint32_t name = kNone;  // the name's number; kNone for an empty slot
    uint32_t hash = 0;
  };
  // Enter for a name that may count, or any name after the first reading.
  void EnterName(size_t index, const char* buffer);
  // Whether index holds a name of the table.
  bool InTable(size_t index) const { return Counted(index) && holding_[index] != kOther; }
  static std::string_view Bytes(const Name& name) { return {name.bytes, name.size}; }

  // The slot of name, or the empty slot where it would go.
  uint32_t Find(std::string_view name, uint32_t hash) const;
  // The number of the name at place, made there if the slot is empty.
  uint32_t Make(std::string_view name, Place place);
  // A new name's number, with its bytes copied: in the first reading, each
  // name read gets one, and FinishReading merges those of equal names.
  uint32_t Add(std::string_view name, uint32_t holders);
  // The number of the name in buffer (made if it is new), or kOther.
  uint32_t NumberOfWritten(const char* buffer);
  // Whether buffer holds the name last entered or kept: after most renames
  // the host keeps the name it was given.
  bool IsLast(const char* buffer) const;
  // Index holds the name numbered `to` (or kOther) from now on.
  void Hold(size_t index, uint32_t to);
  // Copies name into the blocks, which never move, followed by a NUL.
  const char* Store(std::string_view name);
  void AddBlock(size_t size);

  const ChainStems& stems_;
  std::vector<Slot> slots_;        // open addressing; a power of two, at most two thirds full
  std::vector<Name> names_;        // room for one per index and the `more`: never moves
  std::vector<uint32_t> holding_;  // per index, the number of its name, kOther or kNone
  std::vector<uint32_t> freed_;
  std::vector<std::unique_ptr<char[]>> blocks_;
  char* free_ = nullptr;  // the unused bytes of the last block
  size_t room_ = 0;
  size_t more_;
  bool finished_ = false;
  uint32_t last_ = kNone;  // the number of the name last entered or kept
};
