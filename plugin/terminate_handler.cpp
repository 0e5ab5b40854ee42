// The shipped DLL's terminate handler. No exception ever leaves an export, so
// std::terminate runs only on a fault, inside a host that has no console: the
// runtime's verbose handler, which prints the exception's demangled type to
// standard error, would bring a demangler and a printf into the DLL for
// nothing. Defining it here keeps the runtime's out; this one only aborts.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
