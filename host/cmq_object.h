#pragma once
// A borrowed object handle together with the document it was fetched from,
// and the name reads over the host's fixed-size name buffer.
#include <cstdint>
#include <cstring>
#include <string>

#include "host_table.h"
#include "host_types.h"

// The host writes a name and its NUL into such a buffer. A name is the bytes
// before the first NUL, or the whole buffer when the host wrote none.
typedef char NameBuffer[kNameBufferSize];

namespace cmq {

class CMQObject {
 public:
  CMQObject() = default;
  CMQObject(MQObject object, MQDocument document) : object_(object), document_(document) {}
  CMQObject(const CMQObject&) = default;
  CMQObject& operator=(const CMQObject&) = default;
  // Owns nothing in the host: destruction only forgets the handles.
  virtual ~CMQObject() {
    object_ = nullptr;
    document_ = nullptr;
  }

  MQObject object() const { return object_; }
  MQDocument document() const { return document_; }

  // The object's name, read through MQObj_GetName. The object must not be null.
  std::string GetName() const;
  // The same read into kNameBufferSize bytes at buffer (a NameBuffer, or room
  // at the end of a text), whose name NameSize then measures. Only the first
  // byte is set beforehand: a host that writes nothing gives an empty name.
  void FillNameBuffer(char* buffer) const {
    buffer[0] = '\0';
    host::Table().MQObj_GetName(object_, buffer, kNameBufferSize);
  }

 private:
  MQObject object_ = nullptr;
  MQDocument document_ = nullptr;
};

}  // namespace cmq

// The size of the name in a filled buffer: the bytes before the first NUL, or
// the whole buffer when the host wrote none. Every byte of the buffer must
// hold a value (a buffer filled once, then written over by the host): it is
// searched eight bytes at a time, since names are read by the million and a
// byte loop or a library call costs more than the host's own call.
inline size_t NameSize(const char* buffer) {
  constexpr uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
  size_t at = 0;
  for (; at + 8 <= kNameBufferSize; at += 8) {
    uint64_t word;
    std::memcpy(&word, buffer + at, 8);
    // Nonzero where a byte is zero; its lowest such byte is the first NUL
    // (bytes are stored least significant first on the machines we build for).
    const uint64_t zeros = (word - kOnes) & ~word & kHighs;
    if (zeros != 0) return at + static_cast<size_t>(__builtin_ctzll(zeros)) / 8;
  }
  for (; at < kNameBufferSize; ++at) {
    if (buffer[at] == '\0') return at;
  }
  return kNameBufferSize;
}

// The handle for the object at index; its object is null when the index holds none.
inline cmq::CMQObject GetObjectHandle(MQDocument document, int index) {
  return cmq::CMQObject(host::Table().MQDoc_GetObject(document, index), document);
}

// Whether the handle holds an object that its document owns: the host hands
// out objects it does not own too, and their index reads negative. Only such
// objects are targets, and only their names can clash.
inline bool IsDocumentObject(const cmq::CMQObject& handle) {
  return handle.object() != nullptr && handle.document() != nullptr &&
         host::Table().MQDoc_GetObjectIndex(handle.document(), handle.object()) >= 0;
}

// The material's name, read through MQMat_GetName. The material must not be null.
std::string GetMaterialName(MQMaterial material);
// The read alone into kNameBufferSize bytes at buffer (as FillNameBuffer).
inline void FillMaterialNameBuffer(MQMaterial material, char* buffer) {
  buffer[0] = '\0';
  host::Table().MQMat_GetName(material, buffer, kNameBufferSize);
}

