// The 177 functions of the host's executable, exported by name, expanded from
// the host function list. The twelve the plug-in calls forward to the
// document operations; every other one only records that it was called.
#include "call_log.h"
#include "host_operations.h"

#if defined(_WIN32)
#define TK_HOST_EXPORT extern "C" __declspec(dllexport)
#else
#define TK_HOST_EXPORT extern "C" __attribute__((visibility("default")))
#endif

#define TK_EXPORT_UNEXPECTED(name) \
  TK_HOST_EXPORT void MQ_CALL name() { testhost::Log().RecordUnexpected(#name); }
#define TK_EXPORT_OPERATION(name, result, params, args) \
  TK_HOST_EXPORT result MQ_CALL name params { return testhost::HostOperations::name args; }

TK_HOST_FUNCTIONS(TK_EXPORT_UNEXPECTED, TK_EXPORT_OPERATION)
