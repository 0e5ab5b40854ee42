#pragma once
// The names of a document's objects, or of its materials, in the one shape
// every command uses: how many there are, the handle at an index, whether the
// handle is one the command works on, and reading and setting a name.
#include "cmq_object.h"
#include "host_table.h"

struct ObjectNames {
  static constexpr const char* kLineEnd = "\n";  // of a copied name
  MQDocument document;
  int Count() const { return host::Table().MQDoc_GetObjectCount(document); }
  cmq::CMQObject Fetch(int index) const { return GetObjectHandle(document, index); }
  bool Counts(const cmq::CMQObject& handle) const { return IsDocumentObject(handle); }
  void ReadName(const cmq::CMQObject& handle, char* buffer) const { handle.FillNameBuffer(buffer); }
  void SetName(const cmq::CMQObject& target, const char* name) const {
    host::Table().MQObj_SetName(target.object(), name);
  }
};

struct MaterialNames {
  static constexpr const char* kLineEnd = "\r\n";
  MQDocument document;
  int Count() const { return host::Table().MQDoc_GetMaterialCount(document); }
  MQMaterial Fetch(int index) const { return host::Table().MQDoc_GetMaterial(document, index); }
  bool Counts(MQMaterial material) const { return material != nullptr; }
  void ReadName(MQMaterial material, char* buffer) const { FillMaterialNameBuffer(material, buffer); }
  void SetName(MQMaterial target, const char* name) const { host::Table().MQMat_SetName(target, name); }
};
