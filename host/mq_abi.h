#pragma once
// The binary interface shared with the host: every export of the plug-in and
// every host function is a plain C function with the default cdecl
// convention. MQ_CALL names that convention; it is the only place it appears.
#if defined(_WIN32)
#define MQ_CALL __cdecl
#else
#define MQ_CALL
#endif

// Visibility of the plug-in's exports. On Windows the module-definition file
// decides what the DLL exports; natively everything else is hidden.
#if defined(_WIN32)
#define MQ_EXPORT extern "C"
#else
#define MQ_EXPORT extern "C" __attribute__((visibility("default")))
#endif
