#pragma once
// The file kinds' import plug-in.
#include "MQBasePlugin.h"
#include "export_list.h"

class MQImportPlugin : public MQBasePlugin {
 public:
  virtual const char* EnumFileType(int index) { return (void)index, nullptr; }
  virtual const char* EnumFileExt(int index) { return (void)index, nullptr; }
  virtual BOOL ImportFile(MQFileArgument a, MQFileArgument b, MQFileArgument c) {
    return (void)a, (void)b, (void)c, FALSE;
  }
  virtual BOOL OnEvent300() { return FALSE; }

  // Written by event 301.
  int Background = 0;
  void* Args = nullptr;
};
