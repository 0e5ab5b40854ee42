#pragma once
// The host function table: one entry per host export, filled by MQInit.
//
// Conventions for every typed entry below (the contracts the commands rely on):
// - indices run from 0 to the count minus 1; a count of 0 or less means none;
// - a handle fetched for an index that holds nothing is null;
// - names are NUL-terminated bytes in the host's ANSI code page, and a name
//   written with SetName holds at once for every later read;
// - the host owns every handle and name; results marked void are not read.
// Untyped entries are bound by name only and never called.
#include "host_function_list.h"
#include "host_types.h"

namespace host {

typedef void(MQ_CALL* UntypedEntry)();

struct HostFunctionTable {
#define TK_TABLE_FN(name) UntypedEntry name;
#define TK_TABLE_TYPED(name, result, params, args) result(MQ_CALL* name) params;
  TK_HOST_FUNCTIONS(TK_TABLE_FN, TK_TABLE_TYPED)
#undef TK_TABLE_FN
#undef TK_TABLE_TYPED
};

// Unbound until an MQInit finds every name in a module that stays loaded, and
// again after one whose module went with the reference it gave back (every
// entry null); Bound after one that finds them; PartlyBound after one that
// stops at a missing name (entries may point into a released module).
enum class Binding { Unbound, PartlyBound, Bound };

// The process-wide table and its state. Only BindHostFunctions writes them.
extern HostFunctionTable g_table;
extern Binding g_binding;

inline const HostFunctionTable& Table() { return g_table; }
inline bool IsBound() { return g_binding == Binding::Bound; }

// Loads the module at path, looks up every name in list order, storing each
// result at once, stops at the first missing one, and releases the module on
// every path after a successful load. True only when all names were found and
// the module is still loaded after its release.
bool BindHostFunctions(const char* path);

// Calls visit(name, address) for each entry in lookup order (for tests).
template <class Visit>
void ForEachEntry(Visit&& visit) {
#define TK_VISIT_ENTRY(name, ...) \
  visit(#name, reinterpret_cast<const void*>(reinterpret_cast<UntypedEntry>(g_table.name)));
  TK_HOST_FUNCTIONS(TK_VISIT_ENTRY, TK_VISIT_ENTRY)
#undef TK_VISIT_ENTRY
}

}  // namespace host
