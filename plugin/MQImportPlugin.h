#pragma once
// The file kinds' import plug-in.
#include <cstdint>

#include "MQBasePlugin.h"

// The file operation's arguments are the host's; they are passed on unchanged.
typedef intptr_t MQFileArgument;

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
