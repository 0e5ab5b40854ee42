// Module loading over dlopen, with the Windows behaviour the plug-in relies
// on: reference counting, and the running executable's own path naming the
// main program (a position-independent executable cannot be dlopen'ed by path).
#include <dlfcn.h>
#include <link.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include <windows.h>

namespace {

std::string ExecutablePath() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  return length > 0 ? std::string(path, length) : std::string();
}

bool NamesThisExecutable(const char* path) {
  char resolved[PATH_MAX];
  if (realpath(path, resolved) == nullptr) return false;
  return ExecutablePath() == resolved;
}

}  // namespace

HMODULE LoadLibraryA(LPCSTR path) {
  if (path == nullptr || *path == '\0') return nullptr;
  void* module = NamesThisExecutable(path) ? dlopen(nullptr, RTLD_NOW) : dlopen(path, RTLD_NOW | RTLD_LOCAL);
  return static_cast<HMODULE>(module);
}

HMODULE GetModuleHandleA(LPCSTR path) {
  if (path == nullptr || NamesThisExecutable(path)) return static_cast<HMODULE>(dlopen(nullptr, RTLD_NOW));
  // Finds a loaded module without taking a reference of its own.
  void* module = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
  if (module != nullptr) dlclose(module);
  return static_cast<HMODULE>(module);
}

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
  if (module == nullptr || name == nullptr) return nullptr;
  return reinterpret_cast<FARPROC>(dlsym(module, name));
}

BOOL FreeLibrary(HMODULE module) { return module != nullptr && dlclose(module) == 0; }

BOOL GetModuleHandleExA(DWORD flags, LPCSTR name, HMODULE* module) {
  if (module == nullptr || !(flags & GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS) ||
      !(flags & GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT)) {
    return FALSE;  // only the lookup by address, without a reference, is needed
  }
  // The loader's handle of a module is its link map, the main program's too.
  Dl_info info;
  link_map* map = nullptr;
  if (dladdr1(name, &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) == 0 || map == nullptr) {
    *module = nullptr;
    return FALSE;
  }
  *module = reinterpret_cast<HMODULE>(map);
  return TRUE;
}

DWORD GetModuleFileNameA(HMODULE module, char* path, DWORD size) {
  if (module != nullptr || path == nullptr || size == 0) return 0;
  const std::string own = ExecutablePath();
  const size_t length = own.size() < size ? own.size() : size - 1;
  std::memcpy(path, own.data(), length);
  path[length] = '\0';
  return static_cast<DWORD>(length);
}
