#pragma once
// The stand-in host's side of the host functions the plug-in calls, over
// Document, with the contracts the plug-in relies on. Declared from the host
// function list; each records its call in the log. The exports forward here.
#include "host_function_list.h"

namespace testhost {

struct HostOperations {
#define TK_OPERATION_NONE(name)
#define TK_OPERATION(name, result, params, args) static result name params;
  TK_HOST_FUNCTIONS(TK_OPERATION_NONE, TK_OPERATION)
#undef TK_OPERATION_NONE
#undef TK_OPERATION
};

}  // namespace testhost
