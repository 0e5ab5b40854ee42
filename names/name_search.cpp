#include "cmq_object.h"
#include "host_table.h"
#include "name_search.h"

// Every search reads the names afresh through the host, so that it sees the
// renames made so far.
int FindObjectByName(MQDocument document, const std::string& candidate, int own) {
  const auto& host = host::Table();
  const int count = host.MQDoc_GetObjectCount(document);
  for (int index = 0; index < count; ++index) {
    if (index == own) continue;
    const cmq::CMQObject handle = GetObjectHandle(document, index);
    if (handle.object() == nullptr || handle.document() == nullptr) continue;
    if (host.MQDoc_GetObjectIndex(document, handle.object()) < 0) continue;
    if (handle.HasName(candidate)) return index;
  }
  return -1;
}

int FindMaterialByName(MQDocument document, const std::string& candidate, int own) {
  const auto& host = host::Table();
  const int count = host.MQDoc_GetMaterialCount(document);
  for (int index = 0; index < count; ++index) {
    if (index == own) continue;
    MQMaterial material = host.MQDoc_GetMaterial(document, index);
    if (material == nullptr) continue;
    if (MaterialHasName(material, candidate)) return index;
  }
  return -1;
}
