#pragma once
// Opaque handles of the host. The plug-in never looks inside them; the host
// owns what they point to, and the plug-in only borrows them for one call.
#include "mq_abi.h"
#include "name_buffer.h"

struct MQCDocument;
struct MQCObject;
struct MQCMaterial;
typedef MQCDocument* MQDocument;
typedef MQCObject* MQObject;
typedef MQCMaterial* MQMaterial;

// Integer attributes read through MQObj_GetIntValue / MQMat_GetIntValue.
enum MQAttribute : int {
  kAttributeDepth = 257,     // depth in the object tree
  kAttributeFolded = 258,    // children folded away under the object
  kAttributeSelected = 262,  // selection state
};
