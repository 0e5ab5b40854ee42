#include "Tagkeeper.h"

#include "host_table.h"
#include "plugin_object.h"

namespace {

const char* const kMenuStrings[] = {
    "copy ObjectNames",
    "restore ObjectNames",
    "copy MaterialNames",
    "restore MaterialNames",
};
constexpr unsigned kMenuCount = sizeof kMenuStrings / sizeof kMenuStrings[0];

}  // namespace

MQBasePlugin* GetPluginClass() {
  // Function-local static: built on the first call, destroyed when the library
  // is unloaded. Compiled without thread-safe statics: no lock, one host thread.
  static Tagkeeper plugin;
  return &plugin;
}

void Tagkeeper::GetPlugInID(DWORD* product, DWORD* id) {
  if (product) *product = kProductID;
  if (id) *id = kPluginID;
}

const char* Tagkeeper::GetPlugInName() { return "Tagkeeper ver.1.1 (C) 2026 The Tagkeeper developers"; }

int Tagkeeper::GetPlugInType() { return kKindSelect; }

const char* Tagkeeper::EnumString(int index) {
  const unsigned entry = static_cast<unsigned>(index);
  return entry < kMenuCount ? kMenuStrings[entry] : nullptr;
}

BOOL Tagkeeper::Execute(int index, MQDocument document) {
  document_ = document;
  // Without a fully bound host table no host call may be made.
  if (!host::IsBound()) return FALSE;
  switch (static_cast<unsigned>(index)) {
    case 0: return CopyObjectNames();
    case 1: return RestoreObjectNames();
    case 2: return CopyMaterialNames();
    case 3: return RestoreMaterialNames();
    default: return FALSE;
  }
}
