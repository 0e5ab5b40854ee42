#pragma once
// The next name to try when a name is taken: its trailing decimal number
// raised by one ("Cube9" -> "Cube10", "x001" -> "x2"), or "1" appended when
// it has none ("Cube" -> "Cube1"). A candidate is never longer than a name the
// host can give back (kLongestName bytes): when the raised number would make
// it longer, whole characters go from the end of the part before the number
// until it fits. A chain of candidates never repeats.
#include <string>

#include "host_types.h"
#include "name_encoding.h"

// Where the trailing run of decimal digits of name[0, size) begins (size when
// the name does not end in a digit). Only ASCII digits count: some runtimes'
// isdigit also takes bytes such as the superscript digits of code page 1252.
size_t NumberStart(const char* name, size_t size);

// Writes the candidate after name[0, size) into out, which holds kLongestName
// bytes and may be name itself, and returns its size. Allocates nothing.
size_t WriteNextCandidate(const char* name, size_t size, const NameEncoding& encoding, char* out);

std::string NextCandidateName(const std::string& name, const NameEncoding& encoding);
