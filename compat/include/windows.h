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
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef WORD* LPWORD;
typedef wchar_t* LPWSTR;
typedef char* LPSTR;
typedef const char* LPCCH;
typedef BOOL* LPBOOL;
typedef DWORD LCID;

#define TRUE 1
#define FALSE 0
#define WINAPI

#define CF_TEXT 1
#define CF_UNICODETEXT 13
#define CF_LOCALE 16
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GMEM_DDESHARE 0x2000

#define CP_ACP 0
#define CP_UTF7 65000
#define CP_UTF8 65001
#define MB_PRECOMPOSED 0x01
#define MB_COMPOSITE 0x02
#define MB_USEGLYPHCHARS 0x04
#define MB_ERR_INVALID_CHARS 0x08
#define WC_DISCARDNS 0x10
#define WC_SEPCHARS 0x20
#define WC_DEFAULTCHAR 0x40
#define WC_ERR_INVALID_CHARS 0x80
#define WC_COMPOSITECHECK 0x200
#define WC_NO_BEST_FIT_CHARS 0x400
#define CT_CTYPE1 0x1
#define C1_UPPER 0x001
#define C1_LOWER 0x002
#define C1_DIGIT 0x004
#define C1_SPACE 0x008
#define C1_PUNCT 0x010
#define C1_CNTRL 0x020
#define C1_BLANK 0x040
#define C1_XDIGIT 0x080
#define C1_ALPHA 0x100
#define C1_DEFINED 0x200
#define MAX_LEADBYTES 12
#define MAX_DEFAULTCHAR 2

#define ERROR_MOD_NOT_FOUND 126
#define ERROR_INVALID_PARAMETER 87
#define ERROR_INSUFFICIENT_BUFFER 122
#define ERROR_INVALID_FLAGS 1004
#define ERROR_NO_UNICODE_TRANSLATION 1113

#define GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT 0x2
#define GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS 0x4

#define _TRUNCATE (static_cast<size_t>(-1))
#define STRUNCATE 80

#define COMPAT_CPP_API __attribute__((visibility("default")))
#define COMPAT_API extern "C" COMPAT_CPP_API

// Clipboard, one per process. OpenClipboard fails while another thread holds it.
// As on Windows, two text formats, code page text (CF_TEXT) and Unicode text
// (CF_UNICODETEXT, wchar_t here), and the locale of the text (CF_LOCALE, an
// LCID): when a clipboard that was given text closes, the system adds the
// locale (the input language in use, compat::SetInputLanguage) where none was
// placed, and the text format that was not placed, which it makes on request
// by converting the other with the locale's ANSI code page (of those the
// stand-in converts, 1252 and 65001). EnumClipboardFormats lists the placed
// formats first, in the order they were placed, then the made ones.
COMPAT_API BOOL OpenClipboard(HWND owner);
COMPAT_API BOOL CloseClipboard();
COMPAT_API BOOL EmptyClipboard();
COMPAT_API HANDLE GetClipboardData(UINT format);
// Takes ownership of the block on success; returns the block, or null.
COMPAT_API HANDLE SetClipboardData(UINT format, HANDLE block);
// The format after format (0: the first); 0 after the last.
COMPAT_API UINT EnumClipboardFormats(UINT format);

// Movable global memory blocks. A block still locked when it is freed, handed
// to the clipboard, or on the clipboard when it closes is recorded
// (compat::LockBreaches): Windows expects every GlobalLock undone.
COMPAT_API HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
// Resizes an unlocked block (GMEM_ZEROINIT zeroes what it grows by); null on
// failure, when the block stays as it was.
COMPAT_API HGLOBAL GlobalReAlloc(HGLOBAL block, SIZE_T bytes, UINT flags);
COMPAT_API LPVOID GlobalLock(HGLOBAL block);
COMPAT_API BOOL GlobalUnlock(HGLOBAL block);
COMPAT_API SIZE_T GlobalSize(HGLOBAL block);
// Null on success, the block on failure.
COMPAT_API HGLOBAL GlobalFree(HGLOBAL block);

// The calling thread's last error, as the calls below set it.
COMPAT_API DWORD GetLastError();
COMPAT_API void SetLastError(DWORD error);

// The system's ANSI code page and conversions: a system whose ANSI code page
// is 1252 (the default) or 65001 (UTF-8), chosen with compat::SetAnsiCodePage.
// Every call is checked against the rules Windows documents for its code page;
// one that Windows would refuse fails as there (ERROR_INVALID_FLAGS,
// ERROR_INVALID_PARAMETER) and is recorded (compat::RefusedCalls). Wide text
// is wchar_t, one character each. No best-fit mapping: a character missing
// from 1252 becomes the default character '?'.
typedef struct {
  UINT MaxCharSize;
  BYTE DefaultChar[MAX_DEFAULTCHAR];
  BYTE LeadByte[MAX_LEADBYTES];
} CPINFO, *LPCPINFO;
COMPAT_API UINT GetACP();
COMPAT_API BOOL GetCPInfo(UINT code_page, LPCPINFO info);
COMPAT_API int MultiByteToWideChar(UINT code_page, DWORD flags, LPCCH bytes, int byte_count, LPWSTR wide,
                                   int wide_count);
COMPAT_API int WideCharToMultiByte(UINT code_page, DWORD flags, LPCWSTR wide, int wide_count, LPSTR bytes,
                                   int byte_count, LPCCH default_char, LPBOOL used_default_char);

// The system's character types (CT_CTYPE1 only), by Unicode whatever the
// C runtime's locale, as on Windows; 0 for a code point that is no character.
COMPAT_API BOOL GetStringTypeW(DWORD info_type, LPCWSTR text, int count, LPWORD types);

// Debug output: recorded, for tests to read back (see compat_controls.h).
COMPAT_API void OutputDebugStringW(LPCWSTR text);

// Modules, reference counted. The running executable's own path gives the
// main program, whose exported symbols then resolve as on Windows.
COMPAT_API HMODULE LoadLibraryA(LPCSTR path);
COMPAT_API HMODULE GetModuleHandleA(LPCSTR path);
COMPAT_API FARPROC GetProcAddress(HMODULE module, LPCSTR name);
COMPAT_API BOOL FreeLibrary(HMODULE module);
// With GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS: the loaded module that holds
// the address (name is the address); FALSE when none does.
COMPAT_API BOOL GetModuleHandleExA(DWORD flags, LPCSTR name, HMODULE* module);
COMPAT_API DWORD GetModuleFileNameA(HMODULE module, char* path, DWORD size);

// The C runtime's bounded conversions, in the current locale. With count
// _TRUNCATE they convert what fits and answer STRUNCATE when cut short; an
// invalid sequence answers EILSEQ. *converted counts the terminator too.
COMPAT_API errno_t mbstowcs_s(size_t* converted, wchar_t* dest, size_t dest_size, const char* src, size_t count);
COMPAT_API errno_t wcstombs_s(size_t* converted, char* dest, size_t dest_size, const wchar_t* src, size_t count);
