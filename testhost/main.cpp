// tagkeeper-host: the stand-in host program.
#include "host_program.h"

int main(int argc, char** argv) { return testhost::RunHostProgram(argc, argv); }
