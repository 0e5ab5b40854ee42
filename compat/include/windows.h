#pragma once
// Stand-in for the parts of the Win32 API that Tagkeeper uses, for native
// builds: the same names, types and behaviour, over the C library and dl*.
// One instance per process (a shared library): the clipboard is process-wide.
#include <cstddef>
#include <cstdint>
#include <cwchar>

typedef int BOOL;
typedef unsigned int UINT;
typedef uint32_t DWORD;
typedef size_t SIZE_T;
typedef void* HANDLE;
typedef void* HGLOBAL;
typedef void* LPVOID;
typedef struct HWND__* HWND;
typedef struct HINSTANCE__* HMODULE;
typedef const char* LPCSTR;
typedef const wchar_t* LPCWSTR;
typedef void (*FARPROC)();
typedef int errno_t;

#define TRUE 1
#define FALSE 0
#define WINAPI

#define CF_TEXT 1
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GMEM_DDESHARE 0x2000

#define _TRUNCATE (static_cast<size_t>(-1))
#define STRUNCATE 80

#define COMPAT_CPP_API __attribute__((visibility("default")))
#define COMPAT_API extern "C" COMPAT_CPP_API

// Clipboard, one per process. OpenClipboard fails while another thread holds it.
COMPAT_API BOOL OpenClipboard(HWND owner);
COMPAT_API BOOL CloseClipboard();
COMPAT_API BOOL EmptyClipboard();
COMPAT_API HANDLE GetClipboardData(UINT format);
// Takes ownership of the block on success; returns the block, or null.
COMPAT_API HANDLE SetClipboardData(UINT format, HANDLE block);

// Movable global memory blocks.
COMPAT_API HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
COMPAT_API LPVOID GlobalLock(HGLOBAL block);
COMPAT_API BOOL GlobalUnlock(HGLOBAL block);
COMPAT_API SIZE_T GlobalSize(HGLOBAL block);
// Null on success, the block on failure.
COMPAT_API HGLOBAL GlobalFree(HGLOBAL block);

// Debug output: recorded, for tests to read back (see compat_controls.h).
COMPAT_API void OutputDebugStringW(LPCWSTR text);

// Modules, reference counted. The running executable's own path gives the
// main program, whose exported symbols then resolve as on Windows.
COMPAT_API HMODULE LoadLibraryA(LPCSTR path);
COMPAT_API HMODULE GetModuleHandleA(LPCSTR path);
COMPAT_API FARPROC GetProcAddress(HMODULE module, LPCSTR name);
COMPAT_API BOOL FreeLibrary(HMODULE module);
COMPAT_API DWORD GetModuleFileNameA(HMODULE module, char* path, DWORD size);

// The C runtime's bounded conversions, in the current locale. With count
// _TRUNCATE they convert what fits and answer STRUNCATE when cut short; an
// invalid sequence answers EILSEQ. *converted counts the terminator too.
COMPAT_API errno_t mbstowcs_s(size_t* converted, wchar_t* dest, size_t dest_size, const char* src, size_t count);
COMPAT_API errno_t wcstombs_s(size_t* converted, char* dest, size_t dest_size, const wchar_t* src, size_t count);
