#pragma once
// A set of names, each numbered in the order it came, found by its hash:
// open addressing, doubled while at most half full. The names' bytes are not
// copied: they must stay in place while the table lives.
#include <cstdint>
#include <string_view>
#include <vector>

class NameTable {
 public:
  // Room for `expected` names before the table first doubles.
  explicit NameTable(size_t expected = 0);

  // The number of name, whose HashOfName is hash: a new one if it is new.
  uint32_t Add(std::string_view name, uint32_t hash);
  bool Holds(std::string_view name, uint32_t hash) const { return slots_[SlotOf(name, hash)].name != 0; }

  size_t size() const { return names_.size(); }
  std::string_view operator[](size_t n) const { return names_[n].bytes; }
  uint32_t HashOf(size_t n) const { return names_[n].hash; }

 private:
  // The slot of name, or the empty slot where it would go.
  size_t SlotOf(std::string_view name, uint32_t hash) const;

  struct Name {
    std::string_view bytes;
    uint32_t hash;
  };
  std::vector<Name> names_;
  // The hash beside the number, so that a probe reads no name but its own.
  struct Slot {
    uint32_t name;  // 1 + the name's number; 0 for an empty slot
    uint32_t hash;
  };
  std::vector<Slot> slots_;
};
