#pragma once
// A borrowed object handle together with the document it was fetched from,
// and the name reads over the host's fixed-size name buffer.
#include <string>

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
  // The same read into buffer, without a copy; returns the name's size.
  size_t ReadName(NameBuffer& buffer) const;

 private:
  MQObject object_ = nullptr;
  MQDocument document_ = nullptr;
};

}  // namespace cmq

// The handle for the object at index; its object is null when the index holds none.
cmq::CMQObject GetObjectHandle(MQDocument document, int index);

// The material's name, read through MQMat_GetName. The material must not be null.
std::string GetMaterialName(MQMaterial material);
// The same read into buffer, without a copy; returns the name's size.
size_t ReadMaterialName(MQMaterial material, NameBuffer& buffer);
