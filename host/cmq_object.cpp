#include "cmq_object.h"

#include "host_table.h"

namespace {

// The bytes before the first NUL; a host that writes no NUL gives a name of
// the whole buffer. A plain loop: names are short, and library scans are
// tuned for long runs.
size_t NameSize(const NameBuffer& buffer) {
  size_t length = 0;
  while (length < sizeof buffer && buffer[length] != '\0') ++length;
  return length;
}

}  // namespace

namespace cmq {

// Only the first byte is set beforehand: a host that writes nothing gives an
// empty name, and NameSize never looks past the buffer whatever it writes.
size_t CMQObject::ReadName(NameBuffer& buffer) const {
  buffer[0] = '\0';
  host::Table().MQObj_GetName(object_, buffer, kNameBufferSize);
  return NameSize(buffer);
}

std::string CMQObject::GetName() const {
  NameBuffer buffer;
  return std::string(buffer, ReadName(buffer));
}

}  // namespace cmq

cmq::CMQObject GetObjectHandle(MQDocument document, int index) {
  return cmq::CMQObject(host::Table().MQDoc_GetObject(document, index), document);
}

size_t ReadMaterialName(MQMaterial material, NameBuffer& buffer) {
  buffer[0] = '\0';
  host::Table().MQMat_GetName(material, buffer, kNameBufferSize);
  return NameSize(buffer);
}

std::string GetMaterialName(MQMaterial material) {
  NameBuffer buffer;
  return std::string(buffer, ReadMaterialName(material, buffer));
}
