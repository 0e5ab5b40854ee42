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

// Whether module is still loaded: the module that holds the first entry's
// address is module itself.
bool StillLoaded(HMODULE module) {
  HMODULE holder = nullptr;
  const auto address = reinterpret_cast<LPCSTR>(reinterpret_cast<UntypedEntry>(g_table.MQ_GetWindowHandle));
  return GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            address, &holder) &&
         holder == module;
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
  // addresses outlive the reference taken above. A module that nothing else
  // holds goes with that reference: a table pointing into it would send the
  // next command into freed memory, so it is left unbound instead.
  FreeLibrary(module);
  if (all_found && !StillLoaded(module)) {
    g_table = {};
    g_binding = Binding::Unbound;
    return false;
  }
  g_binding = all_found ? Binding::Bound : Binding::PartlyBound;
  return all_found;
}

}  // namespace host
