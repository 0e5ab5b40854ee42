#pragma once
// Turning clipboard text into names: one entry per line, line ends removed,
// every character that is not printable replaced by a blank.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "name_encoding.h"

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
  // Shortens entry k to its first size bytes.
  void Cut(size_t k, size_t size) { spans_[k].size = static_cast<uint32_t>(size); }

  std::vector<std::string> Strings() const;
  bool operator==(const NameList& other) const { return Strings() == other.Strings(); }

 private:
  struct Span {
    uint32_t start, size;  // a clipboard text is far smaller than 4 GiB
  };
  std::string bytes_;
  std::vector<Span> spans_;
};

// Splits text at each line feed; a carriage return just before it goes too.
// Empty lines stay as empty entries; no entry follows a final line feed.
// Lines are converted in encoding; one that does not convert becomes "invalid".
NameList ParseNameList(const std::string& text, const NameEncoding& encoding);

// The same for Unicode text: each line converted to bytes in encoding (one
// holding a character the encoding lacks, or a surrogate out of its pair,
// becomes "invalid").
NameList ParseNameList(const std::wstring& text, const NameEncoding& encoding);

// The same in the encoding in force.
NameList ParseNameList(const std::string& text);
