#pragma once
// What the stand-in host program shows a person: the object tree, the
// material list and the renames a command made.
#include <ostream>
#include <string>
#include <vector>

#include "document.h"

namespace testhost {

// Name bytes with control bytes and the backslash escaped (\x0A, \\), quoted.
std::string Shown(const std::string& name);

// Draws the objects indented by depth, with marks for selected (S), folded
// (F) and foreign (X) objects and for the targets (>) of the object
// commands; then the materials.
void ShowScene(std::ostream& out, const Document& doc, const std::vector<int>& object_targets,
               const std::vector<int>& material_targets);

// One "kind index: old -> new" line per changed name, or "no names changed".
void ShowRenames(std::ostream& out, const char* kind, const std::vector<std::string>& before,
                 const std::vector<std::string>& after);

// Clipboard text, one line per clipboard line with its line end shown.
void ShowClipboardText(std::ostream& out, const std::string& text, bool present);

}  // namespace testhost
