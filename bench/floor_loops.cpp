#include "floor_loops.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "clipboard_text.h"
#include "code_page_rules.h"
#include "host_table.h"
#include "name_encoding.h"
#include "temporary_name.h"

namespace bench {

namespace {

// The blocks of a copy's text, handed to the clipboard as a copy does: the
// code page text, and the Unicode text the runtime converts it to (in the
// "C" locale the code page's conversion, in another the runtime's).
void HandOverBlocks(const std::string& text) {
  HGLOBAL block = GlobalAlloc(kClipboardAllocFlags, text.size() + 1);
  HGLOBAL unicode = GlobalAlloc(kClipboardAllocFlags, (2 * text.size() + 1) * sizeof(wchar_t));
  if (auto* wide = static_cast<wchar_t*>(GlobalLock(unicode))) {
    if (NameEncoding::RuntimeInDefaultLocale()) {
      MultiByteToWideChar(GetACP(), MB_ERR_INVALID_CHARS, text.c_str(), static_cast<int>(text.size()), wide,
                          static_cast<int>(2 * text.size() + 1));
    } else {
      size_t converted = 0;
      mbstowcs_s(&converted, wide, 2 * text.size() + 1, text.c_str(), _TRUNCATE);
    }
    GlobalUnlock(unicode);
  }
  if (!OpenClipboard(nullptr)) return (void)GlobalFree(block), (void)GlobalFree(unicode);
  EmptyClipboard();
  if (SetClipboardData(CF_TEXT, block)) {
    OutputDebugStringW(L"ok");
    if (!SetClipboardData(CF_UNICODETEXT, unicode)) GlobalFree(unicode);
  } else {
    GlobalFree(block);
    GlobalFree(unicode);
  }
  CloseClipboard();
}

// The clipboard's block, taken as a restore takes it: the first text format
// listed, its block and its size (its text is the restore's to copy).
void TakeBlock() {
  if (!OpenClipboard(nullptr)) return;
  UINT format = EnumClipboardFormats(0);
  while (format != 0 && format != CF_TEXT && format != CF_UNICODETEXT) format = EnumClipboardFormats(format);
  if (HANDLE block = GetClipboardData(format != 0 ? format : CF_TEXT)) {
    OutputDebugStringW(L"ok");
    if (GlobalLock(block)) {
      GlobalSize(block);
      GlobalUnlock(block);
    }
  }
  CloseClipboard();
}

}  // namespace

void CopyObjectsFloor(MQDocument doc, const std::string& text) {
  const auto& host = host::Table();
  const int count = host.MQDoc_GetObjectCount(doc);
  for (int i = 0; i < count; ++i) {
    MQObject object = host.MQDoc_GetObject(doc, i);
    host.MQDoc_GetObjectIndex(doc, object);
    host.MQObj_GetIntValue(object, kAttributeSelected);
    host.MQObj_GetIntValue(object, kAttributeFolded);
  }
  char buffer[kNameBufferSize];
  for (int i = 0; i < count; ++i) host.MQObj_GetName(host.MQDoc_GetObject(doc, i), buffer, kNameBufferSize);
  HandOverBlocks(text);
}

void CopyMaterialsFloor(MQDocument doc, const std::string& text) {
  const auto& host = host::Table();
  const int count = host.MQDoc_GetMaterialCount(doc);
  for (int i = 0; i < count; ++i) host.MQMat_GetIntValue(host.MQDoc_GetMaterial(doc, i), kAttributeSelected);
  char buffer[kNameBufferSize];
  for (int i = 0; i < count; ++i) host.MQMat_GetName(host.MQDoc_GetMaterial(doc, i), buffer, kNameBufferSize);
  HandOverBlocks(text);
}

void RestoreObjectsFloor(MQDocument doc, const std::vector<std::string>& names) {
  TakeBlock();
  ParseFloor(names);
  const auto& host = host::Table();
  const int count = host.MQDoc_GetObjectCount(doc);
  const int targets = static_cast<int>(names.size());
  for (int i = 0; i < count; ++i) {
    MQObject object = host.MQDoc_GetObject(doc, i);
    host.MQDoc_GetObjectIndex(doc, object);
    if (host.MQObj_GetIntValue(object, kAttributeSelected) != 0) host.MQObj_GetIntValue(object, kAttributeFolded);
  }
  // The one reading of the document.
  char buffer[kNameBufferSize];
  const int others = host.MQDoc_GetObjectCount(doc);
  for (int i = 0; i < others; ++i) {
    MQObject object = host.MQDoc_GetObject(doc, i);
    host.MQDoc_GetObjectIndex(doc, object);
    host.MQObj_GetName(object, buffer, kNameBufferSize);
  }
  // The two passes: each rename, and the name the host kept read back.
  for (int k = 0; k < targets; ++k) {
    MQObject target = host.MQDoc_GetObject(doc, k);
    host.MQObj_SetName(target, kTemporaryName);
    host.MQObj_GetName(target, buffer, kNameBufferSize);
  }
  for (int k = 0; k < targets; ++k) {
    MQObject target = host.MQDoc_GetObject(doc, k);
    host.MQObj_SetName(target, names[k].c_str());
    host.MQObj_GetName(target, buffer, kNameBufferSize);
  }
  MQObject first = host.MQDoc_GetObject(doc, 0);
  host.MQObj_GetIntValue(first, kAttributeFolded);
  host.MQObj_SetIntValue(first, kAttributeFolded, 1);
  host.MQObj_SetIntValue(first, kAttributeFolded, 0);
}

void ParseFloor(const std::vector<std::string>& lines) {
  wchar_t wide[512];
  char bytes[1024];
  if (NameEncoding::RuntimeInDefaultLocale()) {
    const UINT page = GetACP();
    const bool utf8 = code_page_rules::TakesOnlyErrorFlag(page);
    for (const std::string& line : lines) {
      const int length =
          MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, line.c_str(), static_cast<int>(line.size()), wide, 512);
      BOOL lossy = FALSE;
      WideCharToMultiByte(page, utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS, wide, length, bytes, 1024,
                          nullptr, utf8 ? nullptr : &lossy);
    }
    return;
  }
  size_t converted = 0;
  for (const std::string& line : lines) {
    mbstowcs_s(&converted, wide, 512, line.c_str(), _TRUNCATE);
    wcstombs_s(&converted, bytes, 1024, wide, _TRUNCATE);
  }
}

}  // namespace bench
