#pragma once
// A borrowed object handle together with the document it was fetched from,
// and the name reads over the host's fixed-size name buffer.
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
  // at the end of a text), without a copy; returns the name's size.
  size_t ReadName(char* buffer) const;
  // The read alone, for callers that find the name's end themselves. Only the
  // first byte is set beforehand: a host that writes nothing gives an empty
  // name.
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
// the whole buffer when the host wrote none.
inline size_t NameSize(const char* buffer) {
  const void* nul = std::memchr(buffer, '\0', kNameBufferSize);
  return nul ? static_cast<size_t>(static_cast<const char*>(nul) - buffer) : kNameBufferSize;
}

inline size_t cmq::CMQObject::ReadName(char* buffer) const {
  FillNameBuffer(buffer);
  return NameSize(buffer);
}

// The handle for the object at index; its object is null when the index holds none.
inline cmq::CMQObject GetObjectHandle(MQDocument document, int index) {
  return cmq::CMQObject(host::Table().MQDoc_GetObject(document, index), document);
}

// The material's name, read through MQMat_GetName. The material must not be null.
std::string GetMaterialName(MQMaterial material);
// The read alone into kNameBufferSize bytes at buffer (as FillNameBuffer).
inline void FillMaterialNameBuffer(MQMaterial material, char* buffer) {
  buffer[0] = '\0';
  host::Table().MQMat_GetName(material, buffer, kNameBufferSize);
}

// The same read into kNameBufferSize bytes at buffer, without a copy; returns
// the name's size.
inline size_t ReadMaterialName(MQMaterial material, char* buffer) {
  FillMaterialNameBuffer(material, buffer);
  return NameSize(buffer);
}
