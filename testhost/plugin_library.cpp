#include "plugin_library.h"

namespace testhost {

namespace {

template <class Export>
bool Find(HMODULE module, const char* name, Export& entry, std::string& error) {
  typedef void (*Generic)();
  entry = reinterpret_cast<Export>(reinterpret_cast<Generic>(GetProcAddress(module, name)));
  if (entry == nullptr && error.empty()) error = std::string("the library does not export ") + name;
  return entry != nullptr;
}

}  // namespace

bool PluginLibrary::Load(const std::string& path) {
  Unload();
  error_.clear();
  module_ = LoadLibraryA(path.c_str());
  if (module_ == nullptr) {
    error_ = "cannot load " + path + ": not a loadable library";
    return false;
  }
  bool found = true;
#define TK_FIND_EXPORT(name) found &= Find(module_, #name, exports_.name, error_);
  TK_FIND_EXPORT(MQCheckVersion)
  TK_FIND_EXPORT(MQInit)
  TK_FIND_EXPORT(MQGetPlugInID)
  TK_FIND_EXPORT(MQGetPlugInName)
  TK_FIND_EXPORT(MQGetPlugInType)
  TK_FIND_EXPORT(MQEnumString)
  TK_FIND_EXPORT(MQEnumFileType)
  TK_FIND_EXPORT(MQEnumFileExt)
  TK_FIND_EXPORT(MQImportFile)
  TK_FIND_EXPORT(MQExportFile)
  TK_FIND_EXPORT(MQCreate)
  TK_FIND_EXPORT(MQModifyObject)
  TK_FIND_EXPORT(MQModifySelect)
  TK_FIND_EXPORT(MQOnEvent)
#undef TK_FIND_EXPORT
  if (!found) {
    error_ = path + " is not a plug-in: " + error_;
    Unload();
  }
  return found;
}

void PluginLibrary::Unload() {
  if (module_ != nullptr) FreeLibrary(module_);
  module_ = nullptr;
  exports_ = {};
}

std::string OwnExecutablePath() {
  char path[4096];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, length < sizeof path ? length : 0);
}

}  // namespace testhost
