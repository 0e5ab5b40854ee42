#include "cmq_object.h"

#include <cstring>

#include "host_table.h"

namespace {

// The bytes before the first NUL, never looking past the buffer: a host that
// writes no NUL gives a name of the whole buffer.
std::string NameFromBuffer(const char (&buffer)[kNameBufferSize]) {
  // A plain loop: names are short, and library scans are tuned for long runs.
  size_t length = 0;
  while (length < sizeof buffer && buffer[length] != '\0') ++length;
  return std::string(buffer, length);
}

// Whether the name in buffer (up to its NUL or the buffer's end) is name.
// A plain loop, as above: most names differ within their first bytes.
bool BufferHolds(const char (&buffer)[kNameBufferSize], const std::string& name) {
  if (name.size() > sizeof buffer) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    if (buffer[i] != name[i]) return false;
  }
  return name.size() == sizeof buffer || buffer[name.size()] == '\0';
}

}  // namespace

namespace cmq {

std::string CMQObject::GetName() const {
  // Only the first byte is set beforehand: a host that writes nothing gives
  // an empty name, and no read goes past the buffer whatever the host writes.
  char buffer[kNameBufferSize];
  buffer[0] = '\0';
  host::Table().MQObj_GetName(object_, buffer, kNameBufferSize);
  return NameFromBuffer(buffer);
}

bool CMQObject::HasName(const std::string& name) const {
  char buffer[kNameBufferSize];
  buffer[0] = '\0';
  host::Table().MQObj_GetName(object_, buffer, kNameBufferSize);
  return BufferHolds(buffer, name);
}

}  // namespace cmq

cmq::CMQObject GetObjectHandle(MQDocument document, int index) {
  return cmq::CMQObject(host::Table().MQDoc_GetObject(document, index), document);
}

std::string GetMaterialName(MQMaterial material) {
  char buffer[kNameBufferSize];
  buffer[0] = '\0';
  host::Table().MQMat_GetName(material, buffer, kNameBufferSize);
  return NameFromBuffer(buffer);
}

bool MaterialHasName(MQMaterial material, const std::string& name) {
  char buffer[kNameBufferSize];
  buffer[0] = '\0';
  host::Table().MQMat_GetName(material, buffer, kNameBufferSize);
  return BufferHolds(buffer, name);
}
