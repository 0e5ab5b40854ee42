#pragma once
// Root of the plug-in class tree. Every export reaches the one plug-in object
// through these virtual operations, so the concrete class alone decides the
// answers. Operations are named after the exports that reach them.
#include <windows.h>

#include "host_types.h"

// Plug-in kinds reported by GetPlugInType.
enum MQPluginKind : int {
  kKindImport = 1,  // 1 and 2: the file kinds
  kKindExport = 2,
  kKindCreate = 3,  // 3 to 5: the menu kinds
  kKindObject = 4,
  kKindSelect = 5,
  kKindStation = 6,  // 6 and 7: the resident kinds
  kKindCommand = 7,
};

class MQBasePlugin {
 public:
  virtual ~MQBasePlugin() = default;
  virtual void GetPlugInID(DWORD* product, DWORD* id) = 0;
  // A NUL-terminated display name owned by the plug-in for the library's life.
  virtual const char* GetPlugInName() = 0;
  virtual int GetPlugInType() = 0;

 protected:
  MQBasePlugin() = default;
  MQBasePlugin(const MQBasePlugin&) = delete;
  MQBasePlugin& operator=(const MQBasePlugin&) = delete;
};
