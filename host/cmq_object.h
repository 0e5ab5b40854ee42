#pragma once
// A borrowed object handle together with the document it was fetched from,
// and the name reads over the host's fixed-size name buffer.
#include <string>

#include "host_table.h"
#include "host_types.h"

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

  // The object's name, read through MQObj_GetName into kNameBufferSize bytes
  // at buffer (a NameBuffer, or room at the end of a text), whose name
  // NameSize then measures. Only the first byte is set beforehand: a host
  // that writes nothing gives an empty name.
  void FillNameBuffer(char* buffer) const {
    buffer[0] = '\0';
    host::Table().MQObj_GetName(object_, buffer, kNameBufferSize);
  }

 private:
  MQObject object_ = nullptr;
  MQDocument document_ = nullptr;
};

}  // namespace cmq

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

// The material's name, read through MQMat_GetName into kNameBufferSize bytes
// at buffer (as FillNameBuffer).
inline void FillMaterialNameBuffer(MQMaterial material, char* buffer) {
  buffer[0] = '\0';
  host::Table().MQMat_GetName(material, buffer, kNameBufferSize);
}

