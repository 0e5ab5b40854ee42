#include "name_index.h"

#include "host_types.h"

void NameIndex::Reserve(size_t more) {
  table_.Reserve(more, more * (kLongestName + 1));
  holders_.reserve(table_.size() + more);
  // Each rename frees at most one name.
  freed_.reserve(freed_.size() + more);
}

uint32_t NameIndex::Add(std::string_view name) {
  const uint32_t number = table_.Add(name);
  if (number >= holders_.size()) holders_.resize(number + 1, 0);
  return number;
}

void NameIndex::Hold(size_t index, uint32_t name) {
  const uint32_t before = holding_[index];
  if (before == name) return;
  if (HoldsName(index) && --holders_[before] == 0) freed_.push_back(before);
  if (name != kUnasked) ++holders_[name];
  holding_[index] = name;
}

bool NameIndex::HeldByAnother(size_t own, std::string_view name) const {
  const uint32_t number = table_.Find(name);
  if (number == NameTable::kAbsent) return false;
  return holders_[number] > (HoldsName(own) && holding_[own] == number ? 1u : 0u);
}

std::string_view NameIndex::NameOf(size_t index) const {
  return HoldsName(index) ? table_[holding_[index]] : std::string_view();
}

size_t NameIndex::HoldersOfNameOf(size_t index) const { return HoldsName(index) ? holders_[holding_[index]] : 0; }

const char* NameIndex::Intern(std::string_view name) { return table_[Add(name)].data(); }
