#pragma once
// A plug-in library loaded the way the host loads one: by path, its exports
// looked up by name.
#include <windows.h>

#include <string>

#include "export_list.h"

namespace testhost {

// The exports, looked up by name; a shared one under each of its names.
struct PluginExports {
#define TK_EXPORT_FIELD(name, ...) decltype(&::name) name;
#define TK_ALIAS_FIELD(name, function) decltype(&::function) name;
  TK_PLUGIN_EXPORTS(TK_EXPORT_FIELD, TK_ALIAS_FIELD)
#undef TK_EXPORT_FIELD
#undef TK_ALIAS_FIELD
};

class PluginLibrary {
 public:
  PluginLibrary() = default;
  ~PluginLibrary() { Unload(); }
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  // Loads the library and looks up every export. On failure error() says why:
  // the library did not load, or which export is missing.
  bool Load(const std::string& path);
  void Unload();

  bool loaded() const { return module_ != nullptr; }
  const PluginExports& exports() const { return exports_; }
  const std::string& error() const { return error_; }

 private:
  HMODULE module_ = nullptr;
  PluginExports exports_ = {};
  std::string error_;
};

// The path of the running program, as a host passes it to MQInit.
std::string OwnExecutablePath();

}  // namespace testhost
