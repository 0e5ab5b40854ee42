#include "Tagkeeper.h"

#include "host_table.h"
#include "tagkeeper_version.h"
#include "plugin_object.h"

namespace {

struct MenuEntry {
  const char* text;
  bool (Tagkeeper::*command)();
};

#define TK_MENU_ENTRY(text, command, ...) {text, &Tagkeeper::command},
constexpr MenuEntry kMenu[] = {TK_MENU_ENTRIES(TK_MENU_ENTRY)};
#undef TK_MENU_ENTRY

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

const char* Tagkeeper::GetPlugInName() {
  return "Tagkeeper ver." TK_VERSION_TEXT " (C) 2026 The Tagkeeper developers";
}

int Tagkeeper::GetPlugInType() { return kKindSelect; }

// Indices are tested as unsigned numbers, so negative ones name no entry.
const char* Tagkeeper::EnumString(int index) {
  const unsigned entry = static_cast<unsigned>(index);
  return entry < kMenuSize ? kMenu[entry].text : nullptr;
}

BOOL Tagkeeper::Execute(int index, MQDocument document) {
  document_ = document;
  const unsigned entry = static_cast<unsigned>(index);
  // Without a fully bound host table no host call may be made.
  if (entry >= kMenuSize || !host::IsBound()) return FALSE;
  return (this->*kMenu[entry].command)();
}
