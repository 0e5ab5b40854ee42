#pragma once
// The plug-in's exports: the one place their names and signatures are
// written. The declarations below, the definitions (exports.cpp), the
// module-definition file and the native version script (generated from this
// file at build time), the stand-in host's loader, the test plug-ins and the
// checks of the built libraries all expand it. A definition whose signature
// drifts from its line here does not compile.
//
//   EXPORT(name, result, parameters, arguments)   a function of its own
//   ALIAS(name, function)                         that function under another name
#include <windows.h>

#include <cstdint>

#include "host_types.h"

// The file operation's arguments are the host's; they are passed on unchanged.
typedef intptr_t MQFileArgument;

#define TK_PLUGIN_EXPORTS(EXPORT, ALIAS)                                                                       \
  EXPORT(MQCheckVersion, DWORD, (DWORD host_version), (host_version))                                          \
  EXPORT(MQInit, BOOL, (const char* host_executable), (host_executable))                                       \
  EXPORT(MQGetPlugInID, void, (DWORD * product, DWORD * id), (product, id))                                    \
  EXPORT(MQGetPlugInName, const char*, (), ())                                                                 \
  EXPORT(MQGetPlugInType, int, (), ())                                                                         \
  EXPORT(MQEnumString, const char*, (int index), (index))                                                      \
  EXPORT(MQEnumFileType, const char*, (int index), (index))                                                    \
  EXPORT(MQEnumFileExt, const char*, (int index), (index))                                                     \
  EXPORT(MQImportFile, BOOL, (MQFileArgument a, MQFileArgument b, MQFileArgument c), (a, b, c))                \
  ALIAS(MQExportFile, MQImportFile)                                                                            \
  EXPORT(MQCreate, BOOL, (int index, MQDocument document), (index, document))                                  \
  ALIAS(MQModifyObject, MQCreate)                                                                              \
  ALIAS(MQModifySelect, MQCreate)                                                                              \
  EXPORT(MQOnEvent, int, (MQDocument document, int event_type, void* option), (document, event_type, option))

#define TK_DECLARE_EXPORT(name, result, parameters, ...) MQ_EXPORT result MQ_CALL name parameters noexcept;
#define TK_DECLARE_ALIAS(name, function) MQ_EXPORT decltype(function) name;
TK_PLUGIN_EXPORTS(TK_DECLARE_EXPORT, TK_DECLARE_ALIAS)
#undef TK_DECLARE_EXPORT
#undef TK_DECLARE_ALIAS

#define TK_EXPORT_COUNT_ONE(...) +1
#define TK_PLUGIN_EXPORT_COUNT (0 TK_PLUGIN_EXPORTS(TK_EXPORT_COUNT_ONE, TK_EXPORT_COUNT_ONE))
static_assert(TK_PLUGIN_EXPORT_COUNT == 14, "the plug-in has fourteen exports");
