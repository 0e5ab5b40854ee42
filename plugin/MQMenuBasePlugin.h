#pragma once
// The menu kinds: plug-ins that add entries to one of the host's menus.
#include "MQBasePlugin.h"

class MQMenuBasePlugin : public MQBasePlugin {
 public:
  // The menu string of the entry at index, or null when there is none.
  virtual const char* EnumString(int index) = 0;
  // Runs the entry at index on the document; the command's own result.
  virtual BOOL Execute(int index, MQDocument document) = 0;
};

// The selection kind (5). Adds no operations.
class MQSelectPlugin : public MQMenuBasePlugin {};
