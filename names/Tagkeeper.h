#pragma once
// The concrete plug-in: a selection plug-in with four menu commands that copy
// the names of the selected objects or materials to the clipboard and restore
// them from it.
#include "MQMenuBasePlugin.h"
#include "menu_list.h"

class Tagkeeper : public MQSelectPlugin {
 public:
  static constexpr DWORD kProductID = 0x544B5052;  // "TKPR"
  static constexpr DWORD kPluginID = 0x4E414D45;   // "NAME"

  void GetPlugInID(DWORD* product, DWORD* id) override;
  const char* GetPlugInName() override;
  int GetPlugInType() override;
  const char* EnumString(int index) override;
  BOOL Execute(int index, MQDocument document) override;

  // The document of the command being run, or of the last one.
  MQDocument current_document() const { return document_; }

  // The commands of the menu. Each returns true on every path.
#define TK_DECLARE_COMMAND(text, command, ...) bool command();
  TK_MENU_ENTRIES(TK_DECLARE_COMMAND)
#undef TK_DECLARE_COMMAND

 private:
  MQDocument document_ = nullptr;
};
