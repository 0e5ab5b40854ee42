#include "cmq_object.h"

#include "host_table.h"

namespace {

typedef char NameBuffer[kNameBufferSize];

// The host writes the name into buffer. Only the first byte is set beforehand:
// a host that writes nothing gives an empty name, and the readers below never
// look past the buffer whatever the host writes.
void ReadObjectName(MQObject object, NameBuffer& buffer) {
  buffer[0] = '\0';
  host::Table().MQObj_GetName(object, buffer, kNameBufferSize);
}

void ReadMaterialName(MQMaterial material, NameBuffer& buffer) {
  buffer[0] = '\0';
  host::Table().MQMat_GetName(material, buffer, kNameBufferSize);
}

// The bytes before the first NUL; a host that writes no NUL gives a name of
// the whole buffer. A plain loop: names are short, and library scans are
// tuned for long runs.
std::string NameFromBuffer(const NameBuffer& buffer) {
  size_t length = 0;
  while (length < sizeof buffer && buffer[length] != '\0') ++length;
  return std::string(buffer, length);
}

// Whether the name in buffer (up to its NUL or the buffer's end) is name.
// A plain loop, as above: most names differ within their first bytes.
bool BufferHolds(const NameBuffer& buffer, const std::string& name) {
  if (name.size() > sizeof buffer) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    if (buffer[i] != name[i]) return false;
  }
  return name.size() == sizeof buffer || buffer[name.size()] == '\0';
}

}  // namespace

namespace cmq {

std::string CMQObject::GetName() const {
  NameBuffer buffer;
  ReadObjectName(object_, buffer);
  return NameFromBuffer(buffer);
}

bool CMQObject::HasName(const std::string& name) const {
  NameBuffer buffer;
  ReadObjectName(object_, buffer);
  return BufferHolds(buffer, name);
}

}  // namespace cmq

cmq::CMQObject GetObjectHandle(MQDocument document, int index) {
  return cmq::CMQObject(host::Table().MQDoc_GetObject(document, index), document);
}

std::string GetMaterialName(MQMaterial material) {
  NameBuffer buffer;
  ReadMaterialName(material, buffer);
  return NameFromBuffer(buffer);
}

bool MaterialHasName(MQMaterial material, const std::string& name) {
  NameBuffer buffer;
  ReadMaterialName(material, buffer);
  return BufferHolds(buffer, name);
}
