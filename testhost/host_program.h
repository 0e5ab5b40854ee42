#pragma once

namespace testhost {

// Runs the stand-in host's command line; returns the exit status.
int RunHostProgram(int argc, char** argv);

}  // namespace testhost
