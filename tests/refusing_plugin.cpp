// A plug-in library for the stand-in host's tests: it has every export but
// refuses every host version in the handshake.
#if defined(_WIN32)
#define EXPORTED extern "C" __declspec(dllexport)
#else
#define EXPORTED extern "C" __attribute__((visibility("default")))
#endif

EXPORTED unsigned MQCheckVersion(unsigned) { return 0; }
EXPORTED int MQInit(const char*) { return 1; }
EXPORTED void MQGetPlugInID(unsigned*, unsigned*) {}
EXPORTED const char* MQGetPlugInName() { return "refusing"; }
EXPORTED int MQGetPlugInType() { return 5; }
EXPORTED const char* MQEnumString(int) { return nullptr; }
EXPORTED const char* MQEnumFileType(int) { return nullptr; }
EXPORTED const char* MQEnumFileExt(int) { return nullptr; }
EXPORTED int MQImportFile(long, long, long) { return 0; }
EXPORTED int MQExportFile(long, long, long) { return 0; }
EXPORTED int MQCreate(int, void*) { return 0; }
EXPORTED int MQModifyObject(int, void*) { return 0; }
EXPORTED int MQModifySelect(int, void*) { return 0; }
EXPORTED int MQOnEvent(void*, int, void*) { return 0; }
