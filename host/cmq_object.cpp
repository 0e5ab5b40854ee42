#include "cmq_object.h"

#include <cstring>

#include "host_table.h"

namespace {

// The bytes before the first NUL, never looking past the buffer: a host that
// writes no NUL gives a name of the whole buffer.
std::string NameFromBuffer(const char (&buffer)[kNameBufferSize]) {
  const void* nul = std::memchr(buffer, '\0', sizeof buffer);
  const size_t length = nul ? static_cast<const char*>(nul) - buffer : sizeof buffer;
  return std::string(buffer, length);
}

}  // namespace

namespace cmq {

std::string CMQObject::GetName() const {
  char buffer[kNameBufferSize] = {};
  host::Table().MQObj_GetName(object_, buffer, kNameBufferSize);
  return NameFromBuffer(buffer);
}

}  // namespace cmq

cmq::CMQObject GetObjectHandle(MQDocument document, int index) {
  return cmq::CMQObject(host::Table().MQDoc_GetObject(document, index), document);
}

std::string GetMaterialName(MQMaterial material) {
  char buffer[kNameBufferSize] = {};
  host::Table().MQMat_GetName(material, buffer, kNameBufferSize);
  return NameFromBuffer(buffer);
}
