#include "floor_loops.h"

#include <windows.h>

#include <cstdlib>

#include "host_table.h"

namespace bench {

namespace {

// What one clash search makes: the count, then fetch, ownership and name of
// every object but the target's own, up to where the candidate was found.
void Scan(const host::HostFunctionTable& host, MQDocument doc, int own, int stop) {
  char buffer[kNameBufferSize];
  const int count = host.MQDoc_GetObjectCount(doc);
  const int last = stop == kFree ? count - 1 : stop;
  for (int i = 0; i <= last; ++i) {
    if (i == own) continue;
    MQObject object = host.MQDoc_GetObject(doc, i);
    host.MQDoc_GetObjectIndex(doc, object);
    host.MQObj_GetName(object, buffer, kNameBufferSize);
  }
}

// What building the target list of selected, unfolded objects makes.
void TargetCalls(const host::HostFunctionTable& host, MQDocument doc, int count) {
  for (int i = 0; i < count; ++i) {
    MQObject object = host.MQDoc_GetObject(doc, i);
    host.MQDoc_GetObjectIndex(doc, object);
    host.MQObj_GetIntValue(object, kAttributeSelected);
    host.MQObj_GetIntValue(object, kAttributeFolded);
  }
}

}  // namespace

void CopyObjectsFloor(MQDocument doc) {
  const auto& host = host::Table();
  const int count = host.MQDoc_GetObjectCount(doc);
  TargetCalls(host, doc, count);
  char buffer[kNameBufferSize];
  for (int i = 0; i < count; ++i) host.MQObj_GetName(host.MQDoc_GetObject(doc, i), buffer, kNameBufferSize);
}

void RestoreObjectsFloor(MQDocument doc, const ClashScans& scans) {
  const auto& host = host::Table();
  const int count = host.MQDoc_GetObjectCount(doc);
  TargetCalls(host, doc, count);
  for (int k = 0; k < count; ++k) host.MQObj_SetName(host.MQDoc_GetObject(doc, k), "  *TEMPORALYNAME_forTagkeeper");
  for (int k = 0; k < count; ++k) {
    MQObject object = host.MQDoc_GetObject(doc, k);
    for (int stop : scans[k]) Scan(host, doc, k, stop);
    host.MQObj_SetName(object, "x");
  }
  MQObject first = host.MQDoc_GetObject(doc, 0);
  host.MQObj_GetIntValue(first, kAttributeFolded);
  host.MQObj_SetIntValue(first, kAttributeFolded, 1);
  host.MQObj_SetIntValue(first, kAttributeFolded, 0);
}

void ParseFloor(const std::vector<std::string>& lines) {
  wchar_t wide[512];
  char bytes[1024];
  size_t converted = 0;
  for (const std::string& line : lines) {
    mbstowcs_s(&converted, wide, 512, line.c_str(), _TRUNCATE);
    wcstombs_s(&converted, bytes, 1024, wide, _TRUNCATE);
  }
}

}  // namespace bench
