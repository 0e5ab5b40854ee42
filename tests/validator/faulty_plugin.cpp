// Faulty plug-ins for the validator's own tests: the real plug-in, reached
// through its exports, with one fault that one check exists to catch. Built
// once per fault (TK_FAULT_...), each passes the handshake. TK_REAL_PLUGIN
// names the real library.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "export_list.h"
#include "host_types.h"

#if defined(_WIN32)
#define TK_EXPORTED __declspec(dllexport)
#else
#define TK_EXPORTED
#endif

namespace {

// The real plug-in's exports, loaded on first use and kept.
struct Real {
#define TK_REAL_FIELD(name, ...) decltype(&::name) name = nullptr;
  TK_PLUGIN_EXPORTS(TK_REAL_FIELD, TK_REAL_FIELD)
#undef TK_REAL_FIELD
};

const Real& TheReal() {
  static const Real real = [] {
    Real found;
    HMODULE module = LoadLibraryA(TK_REAL_PLUGIN);
    if (module == nullptr) std::abort();
#define TK_FIND(name, ...) \
  found.name = reinterpret_cast<decltype(found.name)>(reinterpret_cast<void (*)()>(GetProcAddress(module, #name)));
    TK_PLUGIN_EXPORTS(TK_FIND, TK_FIND)
#undef TK_FIND
    return found;
  }();
  return real;
}

// Every export as the real plug-in answers it.
struct Forward {
#define TK_FORWARD(name, result, parameters, arguments) \
  static result name parameters { return TheReal().name arguments; }
#define TK_NO_ALIAS(...)
  TK_PLUGIN_EXPORTS(TK_FORWARD, TK_NO_ALIAS)
#undef TK_FORWARD
};

// Keeps at most size bytes of the clipboard's text (and its NUL).
[[maybe_unused]] void CutClipboardText(size_t size) {
  if (!OpenClipboard(nullptr)) return;
  std::string text;
  if (HANDLE block = GetClipboardData(CF_TEXT)) {
    if (const char* data = static_cast<const char*>(GlobalLock(block))) {
      text.assign(data, strnlen(data, GlobalSize(block)));
      GlobalUnlock(block);
    }
  }
  if (text.size() > size) {
    text.resize(size);
    EmptyClipboard();
    if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
      std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
      GlobalUnlock(block);
      if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
    }
  }
  CloseClipboard();
}

struct Faulty : Forward {
#if defined(TK_FAULT_ORDER)
  // Answers depend on the order of the calls: the kind is wrong until the
  // name was asked for.
  static inline bool named = false;
  static const char* MQGetPlugInName() {
    named = true;
    return Forward::MQGetPlugInName();
  }
  static int MQGetPlugInType() { return named ? Forward::MQGetPlugInType() : 0; }
#elif defined(TK_FAULT_HOST_BEFORE_INIT)
  // A command before MQInit calls the host all the same.
  static inline bool initialised = false;
  static BOOL MQInit(const char* path) { return initialised = true, Forward::MQInit(path); }
  static BOOL MQCreate(int index, MQDocument document) {
    typedef int(MQ_CALL * Count)(MQDocument);
    if (!initialised) {
      const auto found = reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA(nullptr), "MQDoc_GetObjectCount"));
      if (auto count = reinterpret_cast<Count>(found)) {
        count(document);
      }
    }
    return Forward::MQCreate(index, document);
  }
#elif defined(TK_FAULT_INIT_ONCE)
  // A second MQInit fails.
  static inline int calls = 0;
  static BOOL MQInit(const char* path) { return ++calls > 1 ? FALSE : Forward::MQInit(path); }
#elif defined(TK_FAULT_BINDS_ANYWAY)
  // A failed MQInit binds to the program that loaded the plug-in instead.
  static BOOL MQInit(const char* path) {
    if (Forward::MQInit(path)) return TRUE;
    char self[4096];
    const DWORD size = GetModuleFileNameA(nullptr, self, sizeof self);
    if (size > 0 && size < sizeof self) Forward::MQInit(self);
    return FALSE;
  }
#elif defined(TK_FAULT_EVENT_WRITES)
  // An event writes an answer through "result" when the host passes one.
  static int MQOnEvent(MQDocument document, int event_type, void* option) {
    for (auto* pair = static_cast<void**>(option); pair && pair[0]; pair += 2) {
      if (std::strcmp(static_cast<const char*>(pair[0]), "result") == 0) *static_cast<int*>(pair[1]) = 1;
    }
    return Forward::MQOnEvent(document, event_type, option);
  }
#elif defined(TK_FAULT_SMALL_BUFFER)
  // A restore reads the clipboard through a buffer of 4 KiB.
  static BOOL MQCreate(int index, MQDocument document) {
    if (index == 1 || index == 3) CutClipboardText(4096);
    return Forward::MQCreate(index, document);
  }
#elif defined(TK_FAULT_SHORT_INDEX)
  // A copy stops at 64 KiB of text.
  static BOOL MQCreate(int index, MQDocument document) {
    const BOOL result = Forward::MQCreate(index, document);
    if (index == 0 || index == 2) CutClipboardText(65536);
    return result;
  }
#elif defined(TK_FAULT_COMMAND_FAILS)
  // Every command reports failure and does nothing, as one out of memory does.
  static BOOL MQCreate(int, MQDocument) { return FALSE; }
#elif defined(TK_FAULT_CRASH)
  // The plug-in dies when asked for its name, of a write through a null
  // pointer: a fault, as a host would see one, for which Wine calls its
  // debugger (std::abort ends a program without it).
  static const char* MQGetPlugInName() {
    *static_cast<volatile int*>(nullptr) = 0;
    return nullptr;
  }
#else
#error "name the fault: TK_FAULT_..."
#endif
};

}  // namespace

#define TK_FAULTY_EXPORT(name, result, parameters, arguments) \
  MQ_EXPORT TK_EXPORTED result MQ_CALL name parameters noexcept { return Faulty::name arguments; }
#define TK_FAULTY_ALIAS(name, function) \
  MQ_EXPORT TK_EXPORTED decltype(function) name __attribute__((alias(#function)));
TK_PLUGIN_EXPORTS(TK_FAULTY_EXPORT, TK_FAULTY_ALIAS)
