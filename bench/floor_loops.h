#pragma once
// The floors: bare loops that make exactly the host calls a command makes, in
// the same order, and hand over or take the clipboard's block as the command
// must (the system's work, not the plug-in's), and nothing else. The plug-in's
// own cost is what a command takes beyond its floor.
#include <string>
#include <vector>

#include "host_types.h"

namespace bench {

// "copy ObjectNames" on unfolded objects that are all selected, whose text
// is text: the host calls, and the text's two blocks handed over.
void CopyObjectsFloor(MQDocument doc, const std::string& text);

// "copy MaterialNames" on materials that are all selected.
void CopyMaterialsFloor(MQDocument doc, const std::string& text);

// "restore ObjectNames" on unfolded objects of which the first names.size()
// are selected, each getting a line: the parse's conversions of the lines
// (ParseFloor), the target list, the one reading of the
// document, and the renames of both passes (to names in the second), each
// followed by reading back the name the host kept.
void RestoreObjectsFloor(MQDocument doc, const std::vector<std::string>& names);

// The runtime conversions that parsing makes, one pair per line (the code
// page's in the "C" locale, the runtime's otherwise).
void ParseFloor(const std::vector<std::string>& lines);

}  // namespace bench
