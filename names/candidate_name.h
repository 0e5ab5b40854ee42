#pragma once
#include <string>

// The next name to try when name is taken: its trailing decimal number raised
// by one ("Cube9" -> "Cube10", "x001" -> "x2"), or "1" appended when it has
// none ("Cube" -> "Cube1"). Never equal to name, and a chain never repeats.
std::string NextCandidateName(const std::string& name);
