#include "name_index.h"

#include <algorithm>
#include <cstring>

#include "host_types.h"

namespace {

// The first reading keeps its names in blocks of at least this many bytes,
// each followed by a NUL (a name handed to the host is a C string); a name never
// spans two blocks.
constexpr size_t kBlock = 64 * 1024;

}  // namespace

NameIndex::NameIndex(size_t count, size_t more, const ChainStems& stems)
    : stems_(stems), holding_(count, kNone), more_(more) {
  names_.reserve(count + more);
}

void NameIndex::FinishReading() {
  size_t capacity = 16;
  const size_t most = names_.size() + more_;
  while (capacity < most + most / 2) capacity *= 2;
  slots_.resize(capacity);
  // Every index read holds a name of its own, whose record holds its hash;
  // equal names become one, whose record counts their holders.
  for (uint32_t& number : holding_) {
    if (number == kNone || number == kOther) continue;
    Name& name = names_[number];
    const uint32_t hash = name.holders;
    const uint32_t at = Find(Bytes(name), hash);
    if (slots_[at].name == kNone) {
      slots_[at] = {number, hash};
      name.holders = 0;
    }
    number = slots_[at].name;
    ++names_[number].holders;
  }
  // One block for the rest, each of at most kNameBufferSize bytes with its
  // NUL. One allocation, not many: an allocator hands a large one back to the
  // system whole, where many small ones freed at once can make it trim and
  // refetch its heap on every restore.
  AddBlock(more_ * (kNameBufferSize + 1));
  freed_.reserve(more_);
  finished_ = true;
}

void NameIndex::AddBlock(size_t size) {
  blocks_.reserve(blocks_.size() + 1);
  std::unique_ptr<char[]> block(new char[size]);  // not cleared: only written bytes are read
  free_ = block.get();
  room_ = size;
  blocks_.push_back(std::move(block));
}

uint32_t NameIndex::Find(std::string_view name, uint32_t hash) const {
  const uint32_t mask = static_cast<uint32_t>(slots_.size() - 1);
  for (uint32_t at = hash & mask;; at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (slot.name == kNone || (slot.hash == hash && SameName(Bytes(names_[slot.name]), name))) return at;
  }
}

uint32_t NameIndex::Make(std::string_view name, Place place) {
  Slot& slot = slots_[place.slot];
  if (slot.name == kNone) slot = {Add(name, 0), place.hash};
  return slot.name;
}

uint32_t NameIndex::Add(std::string_view name, uint32_t holders) {
  // Written field by field: a record built aside and copied whole is read
  // back as one wide word right after its narrower writes, which stalls.
  Name& record = names_.emplace_back();
  record.bytes = Store(name);
  record.size = static_cast<uint32_t>(name.size());
  record.holders = holders;
  return static_cast<uint32_t>(names_.size() - 1);
}

const char* NameIndex::Store(std::string_view name) {
  // Only in the first reading, in blocks that double as it goes: a name read
  // fits any block.
  if (name.size() + 1 > room_) AddBlock(kBlock << std::min<size_t>(blocks_.size(), 4));
  char* bytes = free_;
  if (!name.empty()) std::memcpy(bytes, name.data(), name.size());
  bytes[name.size()] = '\0';
  free_ += name.size() + 1;
  room_ -= name.size() + 1;
  return bytes;
}

uint32_t NameIndex::NumberOfWritten(const char* buffer) {
  if (!stems_.MayCover(buffer[0])) return kOther;
  const std::string_view name(buffer, NameSize(buffer));
  if (!stems_.Covers(name)) return kOther;
  // While reading, every index gets a number of its own; FinishReading
  // merges those of equal names.
  return finished_ ? Make(name, Look(name)) : Add(name, HashOfName(name));
}

bool NameIndex::IsLast(const char* buffer) const {
  if (last_ == kNone) return false;
  const Name& last = names_[last_];
  return last.size < kNameBufferSize && buffer[last.size] == '\0' && SameBytes(buffer, last.bytes, last.size);
}

void NameIndex::EnterName(size_t index, const char* buffer) {
  if (!finished_) {
    holding_[index] = NumberOfWritten(buffer);
    return;
  }
  if (IsLast(buffer)) return Hold(index, last_);
  const uint32_t to = NumberOfWritten(buffer);
  if (to != kOther) last_ = to;
  Hold(index, to);
}

void NameIndex::Hold(size_t index, uint32_t to) {
  const uint32_t from = holding_[index];
  if (from == to) return;
  if (InTable(index) && --names_[from].holders == 0) freed_.push_back(from);
  if (to != kOther) ++names_[to].holders;
  holding_[index] = to;
}

bool NameIndex::HeldByAnother(size_t own, Place place) const {
  const uint32_t number = slots_[place.slot].name;
  return number != kNone && names_[number].holders > (InTable(own) && holding_[own] == number ? 1u : 0u);
}

std::string_view NameIndex::NameOf(size_t index) const {
  return InTable(index) ? Bytes(names_[holding_[index]]) : std::string_view();
}

size_t NameIndex::HoldersOfNameOf(size_t index) const { return InTable(index) ? names_[holding_[index]].holders : 0; }

std::string_view NameIndex::Keep(std::string_view name, Place place) {
  last_ = Make(name, place);
  return Bytes(names_[last_]);
}
