#include "cmq_object.h"

namespace cmq {

std::string CMQObject::GetName() const {
  NameBuffer buffer;
  return std::string(buffer, ReadName(buffer));
}

}  // namespace cmq

std::string GetMaterialName(MQMaterial material) {
  NameBuffer buffer;
  return std::string(buffer, ReadMaterialName(material, buffer));
}
