#include "name_list.h"

#include <stdexcept>

NameList::NameList(std::initializer_list<std::string> names) {
  for (const std::string& name : names) Add(name);
}

void NameList::Reserve(size_t entries, size_t bytes) {
  spans_.reserve(entries);
  bytes_.reserve(bytes);
}

void NameList::Add(std::string_view name) {
  // A text past 4 GiB (only a 64-bit build could hold one) ends the command.
  if (bytes_.size() + name.size() > UINT32_MAX) throw std::length_error("name list of 4 GiB");
  spans_.push_back(Span{static_cast<uint32_t>(bytes_.size()), static_cast<uint32_t>(name.size())});
  bytes_.append(name.data(), name.size());
}

std::vector<std::string> NameList::Strings() const {
  std::vector<std::string> strings;
  for (size_t k = 0; k < size(); ++k) strings.emplace_back((*this)[k]);
  return strings;
}
