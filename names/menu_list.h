#pragma once
// The plug-in's menu, one line per entry in menu order (the index the host
// passes is the line's position): the menu string the host shows, the
// Tagkeeper command it runs, the stand-in host's command name for it, whether
// it puts text on the clipboard (else reads it), and whether it acts on the
// materials (else the objects). The menu, the commands' declarations and the
// stand-in host's command names all expand this list.
//
//   ENTRY(text, command, verb, copies, materials)
#define TK_MENU_ENTRIES(ENTRY)                                                         \
  ENTRY("copy ObjectNames", CopyObjectNames, "copy-objects", true, false)              \
  ENTRY("restore ObjectNames", RestoreObjectNames, "restore-objects", false, false)    \
  ENTRY("copy MaterialNames", CopyMaterialNames, "copy-materials", true, true)         \
  ENTRY("restore MaterialNames", RestoreMaterialNames, "restore-materials", false, true)

#define TK_MENU_COUNT_ONE(...) +1
constexpr unsigned kMenuSize = 0 TK_MENU_ENTRIES(TK_MENU_COUNT_ONE);

// Each entry's index, named after its command: kMenuCopyObjectNames, ...
#define TK_MENU_INDEX(text, command, ...) kMenu##command,
enum MenuIndex : int { TK_MENU_ENTRIES(TK_MENU_INDEX) };
#undef TK_MENU_INDEX
