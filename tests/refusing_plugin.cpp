// A plug-in library for the stand-in host's tests: every export of the list,
// each answering nothing, so that it refuses every host version.
#include "export_list.h"

#if defined(_WIN32)
#define TK_EXPORTED __declspec(dllexport)
#else
#define TK_EXPORTED
#endif

#pragma GCC diagnostic ignored "-Wunused-parameter"

template <class Result>
Result Nothing() {
  return Result();
}

#define TK_REFUSING(name, result, parameters, arguments) \
  MQ_EXPORT TK_EXPORTED result MQ_CALL name parameters noexcept { return Nothing<result>(); }
#define TK_REFUSING_ALIAS(name, function) \
  MQ_EXPORT TK_EXPORTED decltype(function) name __attribute__((alias(#function)));
TK_PLUGIN_EXPORTS(TK_REFUSING, TK_REFUSING_ALIAS)
