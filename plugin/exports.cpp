// The plain functions that the host calls. Each one makes sure the plug-in
// object exists and forwards to one of its operations; none lets an exception
// reach the host, answering null, 0 or false instead.
#include "MQImportPlugin.h"
#include "MQMenuBasePlugin.h"
#include "MQStationPlugin.h"
#include "event_dispatch.h"
#include "export_list.h"
#include "host_table.h"
#include "host_version.h"
#include "plugin_object.h"

namespace {

bool IsFileKind(int kind) { return kind == kKindImport || kind == kKindExport; }
bool IsMenuKind(int kind) { return kind >= kKindCreate && kind <= kKindSelect; }
bool IsStationKind(int kind) { return kind == kKindStation || kind == kKindCommand; }

// The file kinds' operations, or null when the plug-in is no file plug-in.
MQImportPlugin* FilePlugin() {
  MQBasePlugin* plugin = GetPluginClass();
  return IsFileKind(plugin->GetPlugInType()) ? dynamic_cast<MQImportPlugin*>(plugin) : nullptr;
}

}  // namespace

MQ_EXPORT DWORD MQ_CALL MQCheckVersion(DWORD host_version) noexcept {
  return host_version >= kOldestHostVersion ? kPluginInterfaceVersion : 0;
}

MQ_EXPORT BOOL MQ_CALL MQInit(const char* host_executable) noexcept {
  try {
    return host::BindHostFunctions(host_executable);
  } catch (...) {
    return FALSE;
  }
}

MQ_EXPORT void MQ_CALL MQGetPlugInID(DWORD* product, DWORD* id) noexcept {
  try {
    GetPluginClass()->GetPlugInID(product, id);
  } catch (...) {
  }
}

MQ_EXPORT const char* MQ_CALL MQGetPlugInName() noexcept {
  try {
    return GetPluginClass()->GetPlugInName();
  } catch (...) {
    return nullptr;
  }
}

MQ_EXPORT int MQ_CALL MQGetPlugInType() noexcept {
  try {
    return GetPluginClass()->GetPlugInType();
  } catch (...) {
    return 0;
  }
}

MQ_EXPORT const char* MQ_CALL MQEnumString(int index) noexcept {
  try {
    MQBasePlugin* plugin = GetPluginClass();
    const int kind = plugin->GetPlugInType();
    if (IsMenuKind(kind)) {
      auto* menu = dynamic_cast<MQMenuBasePlugin*>(plugin);
      return menu ? menu->EnumString(index) : nullptr;
    }
    if (IsStationKind(kind) && index == 0) {
      auto* station = dynamic_cast<MQStationPlugin*>(plugin);
      return station ? station->EnumString() : nullptr;
    }
    return nullptr;
  } catch (...) {
    return nullptr;
  }
}

MQ_EXPORT const char* MQ_CALL MQEnumFileType(int index) noexcept {
  try {
    MQImportPlugin* plugin = FilePlugin();
    return plugin ? plugin->EnumFileType(index) : nullptr;
  } catch (...) {
    return nullptr;
  }
}

MQ_EXPORT const char* MQ_CALL MQEnumFileExt(int index) noexcept {
  try {
    MQImportPlugin* plugin = FilePlugin();
    return plugin ? plugin->EnumFileExt(index) : nullptr;
  } catch (...) {
    return nullptr;
  }
}

// Exported under two names: MQImportFile and MQExportFile.
MQ_EXPORT BOOL MQ_CALL MQImportFile(MQFileArgument a, MQFileArgument b, MQFileArgument c) noexcept {
  try {
    MQImportPlugin* plugin = FilePlugin();
    return plugin ? plugin->ImportFile(a, b, c) : FALSE;
  } catch (...) {
    return FALSE;
  }
}

// Exported under three names: MQCreate, MQModifyObject and MQModifySelect.
// It makes no kind test: every menu plug-in runs the entry it is asked for.
MQ_EXPORT BOOL MQ_CALL MQCreate(int index, MQDocument doc) noexcept {
  try {
    auto* menu = dynamic_cast<MQMenuBasePlugin*>(GetPluginClass());
    return menu ? menu->Execute(index, doc) : FALSE;
  } catch (...) {
    return FALSE;
  }
}

MQ_EXPORT int MQ_CALL MQOnEvent(MQDocument doc, int event_type, void* option) noexcept {
  try {
    return DispatchEvent(*GetPluginClass(), doc, event_type, option);
  } catch (...) {
    return 0;
  }
}

// A shared export's other names are aliases of its function (on Windows the
// module-definition file exports them as such).
#define TK_NO_EXPORT(...)
#define TK_DEFINE_ALIAS(name, function) MQ_EXPORT decltype(function) name __attribute__((alias(#function)));
TK_PLUGIN_EXPORTS(TK_NO_EXPORT, TK_DEFINE_ALIAS)
