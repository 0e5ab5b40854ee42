// Under Wine the in-process tests reach GetACP, GetCPInfo, MultiByteToWideChar
// and WideCharToMultiByte through this layer: the test programs define the
// import slots of those four functions, so every call that the plug-in's code
// makes lands here instead of in kernel32. Wine accepts calls that Windows
// refuses; here each call is held to the rules Windows documents, a refused
// call fails as on Windows and is recorded, and the layer can answer as a
// Windows set to UTF-8 (ANSI code page 65001), which Wine cannot be. The
// shipped DLL imports the real functions and holds nothing of this.
#include "strict_code_page_win32.h"

#include <windows.h>

#include <cstdio>

#include "code_page_rules.h"

namespace strict_code_page {

namespace {

struct Kernel32 {
  UINT(WINAPI* GetACP)();
  BOOL(WINAPI* GetCPInfo)(UINT, LPCPINFO);
  int(WINAPI* MultiByteToWideChar)(UINT, DWORD, LPCCH, int, LPWSTR, int);
  int(WINAPI* WideCharToMultiByte)(UINT, DWORD, LPCWCH, int, LPSTR, int, LPCCH, LPBOOL);
};

template <class Function>
void Find(HMODULE module, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

const Kernel32& Real() {
  static const Kernel32 real = [] {
    Kernel32 found{};
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    Find(kernel32, "GetACP", found.GetACP);
    Find(kernel32, "GetCPInfo", found.GetCPInfo);
    Find(kernel32, "MultiByteToWideChar", found.MultiByteToWideChar);
    Find(kernel32, "WideCharToMultiByte", found.WideCharToMultiByte);
    return found;
  }();
  return real;
}

bool g_utf8 = false;

std::vector<std::string>& Refused() {
  static std::vector<std::string> refused;
  return refused;
}

int Refuse(DWORD error, const char* call, UINT code_page, DWORD flags) {
  char text[128];
  std::snprintf(text, sizeof text, "%s(code page %u, flags 0x%x): error %u", call, code_page,
                static_cast<unsigned>(flags), static_cast<unsigned>(error));
  Refused().emplace_back(text);
  SetLastError(error);
  return 0;
}

UINT WINAPI StrictGetACP() { return g_utf8 ? CP_UTF8 : Real().GetACP(); }

// The code page a call means: the ANSI code page for CP_ACP and CP_THREAD_ACP.
UINT Resolved(UINT code_page) { return code_page == CP_ACP || code_page == CP_THREAD_ACP ? StrictGetACP() : code_page; }

BOOL WINAPI StrictGetCPInfo(UINT code_page, LPCPINFO info) {
  if (info == nullptr) return Refuse(ERROR_INVALID_PARAMETER, "GetCPInfo", code_page, 0);
  return Real().GetCPInfo(Resolved(code_page), info);
}

int WINAPI StrictMultiByteToWideChar(UINT code_page, DWORD flags, LPCCH bytes, int byte_count, LPWSTR wide,
                                     int wide_count) {
  const UINT page = Resolved(code_page);
  if (const DWORD refusal = code_page_rules::ToWideRefusal(page, flags, bytes, byte_count, wide, wide_count)) {
    return Refuse(refusal, "MultiByteToWideChar", page, flags);
  }
  return Real().MultiByteToWideChar(page, flags, bytes, byte_count, wide, wide_count);
}

int WINAPI StrictWideCharToMultiByte(UINT code_page, DWORD flags, LPCWCH wide, int wide_count, LPSTR bytes,
                                     int byte_count, LPCCH default_char, LPBOOL used_default_char) {
  const UINT page = Resolved(code_page);
  if (const DWORD refusal = code_page_rules::ToMultiByteRefusal(page, flags, wide, wide_count, bytes, byte_count,
                                                                default_char, used_default_char)) {
    return Refuse(refusal, "WideCharToMultiByte", page, flags);
  }
  return Real().WideCharToMultiByte(page, flags, wide, wide_count, bytes, byte_count, default_char,
                                    used_default_char);
}

}  // namespace

void EmulateUtf8(bool on) { g_utf8 = on; }
std::vector<std::string> RefusedCalls() { return Refused(); }
void ForgetRefusedCalls() { Refused().clear(); }

}  // namespace strict_code_page

// The import slots: what the code of this program calls for these four. Their
// symbols follow the machine type's naming: 32-bit x86 prefixes C names with
// an underscore and decorates stdcall functions with their arguments' bytes;
// x86_64 does neither.
#if defined(__i386__)
#define TK_IMPORT_SLOT(name, argument_bytes) "__imp__" #name "@" #argument_bytes
#else
#define TK_IMPORT_SLOT(name, argument_bytes) "__imp_" #name
#endif
extern "C" {
UINT(WINAPI* tk_slot_GetACP)() __asm__(TK_IMPORT_SLOT(GetACP, 0)) = strict_code_page::StrictGetACP;
BOOL(WINAPI* tk_slot_GetCPInfo)(UINT, LPCPINFO) __asm__(TK_IMPORT_SLOT(GetCPInfo, 8)) =
    strict_code_page::StrictGetCPInfo;
int(WINAPI* tk_slot_MultiByteToWideChar)(UINT, DWORD, LPCCH, int, LPWSTR, int) __asm__(
    TK_IMPORT_SLOT(MultiByteToWideChar, 24)) = strict_code_page::StrictMultiByteToWideChar;
int(WINAPI* tk_slot_WideCharToMultiByte)(UINT, DWORD, LPCWCH, int, LPSTR, int, LPCCH, LPBOOL) __asm__(
    TK_IMPORT_SLOT(WideCharToMultiByte, 32)) = strict_code_page::StrictWideCharToMultiByte;
}
