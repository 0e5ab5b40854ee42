#pragma once
// Target lists: the indices of the objects or materials a command acts on,
// strictly ascending. Line k of the clipboard text belongs to target k.
#include <cstdint>
#include <vector>

#include "host_types.h"

typedef std::vector<int32_t> TargetList;

// The selected objects, each selected folded object bringing along every
// object below it in the tree (selected or not), in index order.
TargetList BuildObjectTargets(MQDocument document);

// The materials whose selected attribute is exactly 1, in index order.
TargetList BuildMaterialTargets(MQDocument document);
