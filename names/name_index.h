#pragma once
// The names that a document's objects (or materials) hold, as a restore knows
// them: filled by one reading of the document before anything is renamed, and
// kept true through both passes by entering the name the host kept after each
// rename. Concepts:
// - index: an object's (material's) place in the document;
// - holders: how many indices hold a name now (held by another: by an index
//   other than the one asking);
// - unasked: an index holding a name that no search will ask about, whose
//   bytes the restore need not keep;
// - freed: the names whose holders fell to none, in the order they did, the
//   only way a taken name becomes free.
#include <cstdint>
#include <string_view>
#include <vector>

#include "name_table.h"

class NameIndex {
 public:
  // For the indices [0, count), none of them entered yet.
  explicit NameIndex(size_t count) : holding_(count, kNotEntered) {}

  // Index (below count) holds name from now on.
  void Enter(size_t index, std::string_view name) { Hold(index, Add(name)); }
  // Index holds an unasked name from now on.
  void EnterUnasked(size_t index) { Hold(index, kUnasked); }
  bool IsEntered(size_t index) const { return index < holding_.size() && holding_[index] != kNotEntered; }

  // Room for `more` names to enter or intern after the reading, so that
  // nothing allocates from here on.
  void Reserve(size_t more);

  // Whether an entered index other than own holds name.
  bool HeldByAnother(size_t own, std::string_view name) const;
  // The name that index holds, and its holders; none for an index not
  // entered or unasked.
  std::string_view NameOf(size_t index) const;
  size_t HoldersOfNameOf(size_t index) const;

  // A copy of name, followed by a NUL, that lasts as long as the index.
  const char* Intern(std::string_view name);

  size_t FreedCount() const { return freed_.size(); }
  std::string_view Freed(size_t k) const { return table_[freed_[k]]; }

 private:
  static constexpr uint32_t kNotEntered = NameTable::kAbsent;
  static constexpr uint32_t kUnasked = NameTable::kAbsent - 1;
  bool HoldsName(size_t index) const { return IsEntered(index) && holding_[index] != kUnasked; }
  // The number of name, added (with no holders) if it is new.
  uint32_t Add(std::string_view name);
  void Hold(size_t index, uint32_t name);

  NameTable table_;
  std::vector<uint32_t> holders_;  // per name of the table
  std::vector<uint32_t> holding_;  // per index: its name's number, kUnasked or kNotEntered
  std::vector<uint32_t> freed_;
};
