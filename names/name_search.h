#pragma once
// Finding who already holds a name, for the clash search of the restores.
#include <string>

#include "host_types.h"

// The lowest index other than own of an object of document (present and owned
// by it) whose name equals candidate byte for byte; -1 when there is none.
int FindObjectByName(MQDocument document, const std::string& candidate, int own);

// The same for the materials of document.
int FindMaterialByName(MQDocument document, const std::string& candidate, int own);
