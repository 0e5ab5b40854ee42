#include "target_list.h"

#include "cmq_object.h"
#include "host_table.h"

TargetList BuildObjectTargets(MQDocument document) {
  const auto& host = host::Table();
  TargetList targets;
  // Depth of the last taken folded object: the objects after it with a greater
  // depth lie folded away below it. -1 while no such run is in force.
  int folded_run = -1;

  const int count = host.MQDoc_GetObjectCount(document);
  targets.reserve(count > 0 ? count : 0);
  for (int index = 0; index < count; ++index) {
    const cmq::CMQObject handle = GetObjectHandle(document, index);
    // Absent objects and objects the document does not own neither end nor
    // continue a run.
    if (!IsDocumentObject(handle)) continue;
    MQObject object = handle.object();

    if (folded_run >= 0) {
      if (host.MQObj_GetIntValue(object, kAttributeDepth) > folded_run) {
        targets.push_back(index);
        continue;
      }
      folded_run = -1;
    }
    if (host.MQObj_GetIntValue(object, kAttributeSelected) == 0) continue;
    targets.push_back(index);
    if (host.MQObj_GetIntValue(object, kAttributeFolded) != 0) {
      folded_run = host.MQObj_GetIntValue(object, kAttributeDepth);
    }
  }
  return targets;
}

TargetList BuildMaterialTargets(MQDocument document) {
  const auto& host = host::Table();
  TargetList targets;
  const int count = host.MQDoc_GetMaterialCount(document);
  targets.reserve(count > 0 ? count : 0);
  for (int index = 0; index < count; ++index) {
    MQMaterial material = host.MQDoc_GetMaterial(document, index);
    if (material == nullptr) continue;
    // Unlike objects, only the value 1 counts as selected.
    if (host.MQMat_GetIntValue(material, kAttributeSelected) == 1) targets.push_back(index);
  }
  return targets;
}
