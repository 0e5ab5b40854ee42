#include "host_operations.h"

#include <algorithm>
#include <cstring>

#include "call_log.h"
#include "document.h"

// Builds the readable arguments only while the log is recording; counts the
// call while it is tallying.
#define TK_RECORD(arguments)                   \
  if (Log().tallying) Log().Tally(__func__);    \
  if (Log().enabled) Log().Record(__func__, arguments)

namespace testhost {

namespace {

Object* ObjectOf(MQObject obj) { return reinterpret_cast<Object*>(obj); }
Material* MaterialOf(MQMaterial mat) { return reinterpret_cast<Material*>(mat); }

std::string Describe(const Object* object) {
  if (object == nullptr) return "null object";
  return object->owner ? "object " + std::to_string(object->index) : "foreign object";
}

std::string Describe(const Material* material) {
  return material ? "material " + std::to_string(material->index) : "null material";
}

std::string Quoted(const char* text) { return text ? "\"" + std::string(text) + "\"" : "null"; }

// Writes name and its NUL within size bytes, as much of the name as fits.
void CopyName(const std::string& name, const Document* owner, char* buffer, int size) {
  if (buffer == nullptr || size <= 0) return;
  if (owner && owner->fill_name_buffers) {
    std::memset(buffer, '#', size);
    return;
  }
  const size_t length = std::min(name.size(), static_cast<size_t>(size - 1));
  std::memcpy(buffer, name.data(), length);
  buffer[length] = '\0';
}

// Names longer than the host keeps are cut, as a fixed name field would. In
// place: a name with room enough takes no allocation.
void KeepName(std::string& kept, const char* name) { kept.assign(name, strnlen(name, kLongestName)); }

// An object's or a material's rename: the test's hook hears of it, then the
// name is kept, made unique among the owner's own where the owner keeps names
// unique. A foreign object has no owner.
void Rename(std::string& kept, int index, const char* name, const Document* owner, bool object) {
  if (owner == nullptr) return KeepName(kept, name);
  const auto& hook = object ? owner->on_object_rename : owner->on_material_rename;
  if (hook) hook(index, name);
  if (owner->unique_names) {
    kept = UniqueName(object ? owner->ObjectNames() : owner->MaterialNames(),
                      object ? owner->OwnObjects() : owner->OwnMaterials(), index, name);
  } else {
    KeepName(kept, name);
  }
}

int ReadAttribute(const Object& object, int attribute) {
  switch (attribute) {
    case kAttributeDepth: return object.depth;
    case kAttributeFolded: return object.folded;
    case kAttributeSelected: return object.selected;
    default: return 0;
  }
}

}  // namespace

int HostOperations::MQDoc_GetObjectCount(MQDocument doc) {
  TK_RECORD("document");
  return doc ? Document::From(doc)->object_count() : 0;
}

MQObject HostOperations::MQDoc_GetObject(MQDocument doc, int index) {
  TK_RECORD("document, " + std::to_string(index));
  return doc ? reinterpret_cast<MQObject>(Document::From(doc)->object(index)) : nullptr;
}

int HostOperations::MQDoc_GetObjectIndex(MQDocument doc, MQObject obj) {
  const Object* object = ObjectOf(obj);
  TK_RECORD("document, " + Describe(object));
  if (object == nullptr) Log().RecordMisuse(__func__);
  return object && object->owner == Document::From(doc) ? object->index : -1;
}

int HostOperations::MQDoc_GetMaterialCount(MQDocument doc) {
  TK_RECORD("document");
  return doc ? Document::From(doc)->material_count() : 0;
}

MQMaterial HostOperations::MQDoc_GetMaterial(MQDocument doc, int index) {
  TK_RECORD("document, " + std::to_string(index));
  return doc ? reinterpret_cast<MQMaterial>(Document::From(doc)->material(index)) : nullptr;
}

void HostOperations::MQObj_GetName(MQObject obj, char* buffer, int size) {
  const Object* object = ObjectOf(obj);
  TK_RECORD(Describe(object) + ", buffer, " + std::to_string(size));
  if (object == nullptr) return Log().RecordMisuse(__func__);
  CopyName(object->name, object->owner, buffer, size);
}

void HostOperations::MQObj_SetName(MQObject obj, const char* name) {
  Object* object = ObjectOf(obj);
  TK_RECORD(Describe(object) + ", " + Quoted(name));
  if (object == nullptr || name == nullptr) return Log().RecordMisuse(__func__);
  Rename(object->name, object->index, name, object->owner, true);
}

int HostOperations::MQObj_GetIntValue(MQObject obj, int attribute) {
  const Object* object = ObjectOf(obj);
  TK_RECORD(Describe(object) + ", " + std::to_string(attribute));
  if (object == nullptr) return Log().RecordMisuse(__func__), 0;
  return ReadAttribute(*object, attribute);
}

void HostOperations::MQObj_SetIntValue(MQObject obj, int attribute, int value) {
  Object* object = ObjectOf(obj);
  TK_RECORD(Describe(object) + ", " + std::to_string(attribute) + ", " + std::to_string(value));
  if (object == nullptr) return Log().RecordMisuse(__func__);
  if (attribute == kAttributeFolded) object->folded = value;
  if (attribute == kAttributeSelected) object->selected = value;
  if (attribute == kAttributeDepth) object->depth = value;
}

int HostOperations::MQMat_GetIntValue(MQMaterial mat, int attribute) {
  const Material* material = MaterialOf(mat);
  TK_RECORD(Describe(material) + ", " + std::to_string(attribute));
  if (material == nullptr) return Log().RecordMisuse(__func__), 0;
  return attribute == kAttributeSelected ? material->selected : 0;
}

void HostOperations::MQMat_GetName(MQMaterial mat, char* buffer, int size) {
  const Material* material = MaterialOf(mat);
  TK_RECORD(Describe(material) + ", buffer, " + std::to_string(size));
  if (material == nullptr) return Log().RecordMisuse(__func__);
  CopyName(material->name, material->owner, buffer, size);
}

void HostOperations::MQMat_SetName(MQMaterial mat, const char* name) {
  Material* material = MaterialOf(mat);
  TK_RECORD(Describe(material) + ", " + Quoted(name));
  if (material == nullptr || name == nullptr) return Log().RecordMisuse(__func__);
  Rename(material->name, material->index, name, material->owner, false);
}

}  // namespace testhost
