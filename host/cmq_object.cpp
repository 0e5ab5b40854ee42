#include "cmq_object.h"

namespace cmq {

std::string CMQObject::GetName() const {
  NameBuffer buffer = {};
  FillNameBuffer(buffer);
  return std::string(buffer, NameSize(buffer));
}

}  // namespace cmq

std::string GetMaterialName(MQMaterial material) {
  NameBuffer buffer = {};
  FillMaterialNameBuffer(material, buffer);
  return std::string(buffer, NameSize(buffer));
}
