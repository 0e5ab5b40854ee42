#include "name_table.h"

#include "name_hash.h"

NameTable::NameTable(size_t expected) {
  size_t capacity = 16;
  while (capacity < 2 * expected) capacity *= 2;
  slots_.resize(capacity);
  names_.reserve(expected);
}

size_t NameTable::SlotOf(std::string_view name, uint32_t hash) const {
  const size_t mask = slots_.size() - 1;
  size_t at = hash & mask;
  while (slots_[at].name != 0) {
    if (slots_[at].hash == hash && SameName(names_[slots_[at].name - 1].bytes, name)) break;
    at = (at + 1) & mask;
  }
  return at;
}

uint32_t NameTable::Add(std::string_view name, uint32_t hash) {
  const size_t at = SlotOf(name, hash);
  if (slots_[at].name != 0) return slots_[at].name - 1;
  names_.push_back({name, hash});
  if (2 * names_.size() <= slots_.size()) {
    slots_[at] = {static_cast<uint32_t>(names_.size()), hash};
  } else {
    // Doubled: every name, the new one too, goes where its hash puts it.
    slots_.assign(2 * slots_.size(), Slot{0, 0});
    for (uint32_t n = 0; n < names_.size(); ++n) {
      slots_[SlotOf(names_[n].bytes, names_[n].hash)] = {n + 1, names_[n].hash};
    }
  }
  return static_cast<uint32_t>(names_.size() - 1);
}
