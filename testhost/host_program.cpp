#include "host_program.h"

#include <cstdio>

#include "plugin_library.h"

namespace testhost {

int RunHostProgram(int argc, char** argv) {
  (void)argc, (void)argv;
  return 0;
}

}  // namespace testhost
