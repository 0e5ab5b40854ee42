#pragma once
// The plug-in's menu, one row per entry in menu order (the index the host
// passes is the row's position). The host's menu strings, the commands they
// run and the stand-in host's command names are all read from here.
#include "Tagkeeper.h"

struct MenuEntry {
  const char* text;              // the menu string the host shows
  bool (Tagkeeper::*command)();  // what the entry runs
  const char* verb;              // the stand-in host's command for the entry
  bool copies;                   // puts text on the clipboard (else reads it)
  bool materials;                // acts on the materials (else the objects)
};

constexpr MenuEntry kMenu[] = {
    {"copy ObjectNames", &Tagkeeper::CopyObjectNames, "copy-objects", true, false},
    {"restore ObjectNames", &Tagkeeper::RestoreObjectNames, "restore-objects", false, false},
    {"copy MaterialNames", &Tagkeeper::CopyMaterialNames, "copy-materials", true, true},
    {"restore MaterialNames", &Tagkeeper::RestoreMaterialNames, "restore-materials", false, true},
};
constexpr unsigned kMenuSize = sizeof kMenu / sizeof kMenu[0];
