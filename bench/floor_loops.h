#pragma once
// The floors: bare loops that make exactly the host calls a command makes, in
// the same order, and nothing else. The plug-in's own cost is what a command
// takes beyond its floor.
#include <string>
#include <vector>

#include "host_types.h"

namespace bench {

// The host calls of "copy ObjectNames" on selected, unfolded objects.
void CopyObjectsFloor(MQDocument doc);

// The scans of one target's clash search: each stops at the index that holds
// its candidate, or runs to the end (kFree) for the candidate it takes.
constexpr int kFree = -1;
typedef std::vector<std::vector<int>> ClashScans;

// The host calls of "restore ObjectNames" on selected, unfolded objects that
// are all targets and all get a line, with scans[k] the searches of target k.
void RestoreObjectsFloor(MQDocument doc, const ClashScans& scans);

// The runtime conversions that parsing makes, one pair per line.
void ParseFloor(const std::vector<std::string>& lines);

}  // namespace bench
