#include "process_state.h"

// Recorded instead of sent to a debugger, so that tests can read it back.
void OutputDebugStringW(LPCWSTR text) { compat::State().debug_strings.emplace_back(text ? text : L""); }
