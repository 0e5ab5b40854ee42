#pragma once
// A plug-in library loaded the way the host loads one: by path, its exports
// looked up by name.
#include <windows.h>

#include <string>

#include "host_types.h"

namespace testhost {

struct PluginExports {
  DWORD(MQ_CALL* MQCheckVersion)(DWORD);
  BOOL(MQ_CALL* MQInit)(const char*);
  void(MQ_CALL* MQGetPlugInID)(DWORD*, DWORD*);
  const char*(MQ_CALL* MQGetPlugInName)();
  int(MQ_CALL* MQGetPlugInType)();
  const char*(MQ_CALL* MQEnumString)(int);
  const char*(MQ_CALL* MQEnumFileType)(int);
  const char*(MQ_CALL* MQEnumFileExt)(int);
  BOOL(MQ_CALL* MQImportFile)(intptr_t, intptr_t, intptr_t);
  BOOL(MQ_CALL* MQExportFile)(intptr_t, intptr_t, intptr_t);
  BOOL(MQ_CALL* MQCreate)(int, MQDocument);
  BOOL(MQ_CALL* MQModifyObject)(int, MQDocument);
  BOOL(MQ_CALL* MQModifySelect)(int, MQDocument);
  int(MQ_CALL* MQOnEvent)(MQDocument, int, void*);
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
