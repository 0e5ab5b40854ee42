#include <windows.h>

#include "host_table.h"

namespace host {

HostFunctionTable g_table = {};
Binding g_binding = Binding::Unbound;

namespace {

// Stores the address found for name into entry, null included, and reports
// whether there was one.
template <class Entry>
bool LookUp(HMODULE module, const char* name, Entry& entry) {
  // Through the generic function type, which converts to any other silently.
  entry = reinterpret_cast<Entry>(reinterpret_cast<UntypedEntry>(GetProcAddress(module, name)));
  return entry != nullptr;
}

}  // namespace

bool BindHostFunctions(const char* path) {
  if (path == nullptr) return false;  // names no module
  HMODULE module = LoadLibraryA(path);
  if (module == nullptr) return false;

  // Short-circuit evaluation stops the lookups at the first missing name.
#define TK_LOOK_UP(name, ...) &&LookUp(module, #name, g_table.name)
  const bool all_found = true TK_HOST_FUNCTIONS(TK_LOOK_UP, TK_LOOK_UP);
#undef TK_LOOK_UP

  // The host's executable stays loaded for the life of the process, so its
  // addresses outlive the reference taken above.
  FreeLibrary(module);
  g_binding = all_found ? Binding::Bound : Binding::PartlyBound;
  return all_found;
}

}  // namespace host
