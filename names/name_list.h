#pragma once
// The names of a clipboard text, one entry per line (ParseNameList makes them).
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>


// The names of a text in order, empty entries in their places. The entries
// lie one after another in one block: a parse allocates nothing per line.
class NameList {
 public:
  NameList() = default;
  NameList(std::initializer_list<std::string> names);

  size_t size() const { return spans_.size(); }
  bool empty() const { return spans_.empty(); }
  std::string_view operator[](size_t k) const { return {bytes_.data() + spans_[k].start, spans_[k].size}; }

  // Room for entries and their bytes, so that adding them moves nothing.
  void Reserve(size_t entries, size_t bytes);
  void Add(std::string_view name);

  std::vector<std::string> Strings() const;

 private:
  struct Span {
    uint32_t start, size;  // a clipboard text is far smaller than 4 GiB
  };
  std::string bytes_;
  std::vector<Span> spans_;
};
