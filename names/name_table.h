#pragma once
// A set of names, each numbered in the order it was added (0, 1, 2, ...) and
// found by its hash: open addressing with linear probing, at most half full.
// Each name's bytes are copied, followed by a NUL, into blocks that never
// move, so they stay in place as long as the table lives; or, for names whose
// bytes outlive the table, borrowed where they are.
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class NameTable {
 public:
  static constexpr uint32_t kAbsent = UINT32_MAX;
  enum class Bytes { kCopied, kBorrowed };

  explicit NameTable(Bytes bytes = Bytes::kCopied) : copies_(bytes == Bytes::kCopied) {}

  // Room for `names` more names of `bytes` bytes in all, so that adding them
  // allocates nothing.
  void Reserve(size_t names, size_t bytes);

  // The number of name, or kAbsent.
  uint32_t Find(std::string_view name) const;
  // The number of name, added if it is new.
  uint32_t Add(std::string_view name);

  size_t size() const { return names_.size(); }
  // Name n; a NUL follows the bytes of a copied one.
  std::string_view operator[](uint32_t n) const { return names_[n]; }

 private:
  struct Slot {
    uint32_t number = kAbsent;  // kAbsent: an empty slot
    uint32_t hash = 0;          // kept beside the number, so a probe reads no other name
  };
  // The slot of name, or the empty slot where it would go.
  size_t SlotOf(std::string_view name, uint32_t hash) const;
  void Rehash(size_t capacity);
  const char* Copy(std::string_view name);

  std::vector<std::string_view> names_;
  std::vector<Slot> slots_;
  std::vector<std::unique_ptr<char[]>> blocks_;
  char* free_ = nullptr;  // the unused bytes of the last block
  size_t room_ = 0;
  bool copies_;
};
