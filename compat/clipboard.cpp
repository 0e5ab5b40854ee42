#include <cstring>
#include <string>

#include "process_state.h"

using compat::State;

namespace {

using Format = compat::ProcessState::ClipboardFormat;

bool OpenedByThisThread() { return State().open && State().opener == std::this_thread::get_id(); }

Format* Find(UINT format) {
  for (Format& entry : State().formats) {
    if (entry.format == format) return &entry;
  }
  return nullptr;
}

// The ANSI code page of a locale, for the locales of the keyboard layouts the
// tests use; 0 for one the stand-in does not know.
UINT AnsiCodePageOf(LCID locale) {
  switch (locale & 0x3FF) {  // the primary language
    case 0x09: case 0x07: case 0x0C: case 0x10: case 0x0A: return 1252;  // English, German, French, Italian, Spanish
    case 0x19: return 1251;
    case 0x11: return 932;
    case 0x12: return 949;
    default: break;
  }
  if (locale == 0x0804) return 936;
  if (locale == 0x0404) return 950;
  return 0;
}

// A new block holding size bytes of data, or null.
compat::GlobalBlock* BlockWith(const void* data, size_t size) {
  HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE, size);
  if (handle == nullptr) return nullptr;
  std::memcpy(GlobalLock(handle), data, size);
  GlobalUnlock(handle);
  return compat::BlockOf(handle);
}

// The locale the clipboard's text carries.
LCID ClipboardLocale() {
  const Format* locale = Find(CF_LOCALE);
  if (locale == nullptr) return State().input_language;
  LCID value = locale->locale;
  if (locale->block && locale->block->size >= sizeof value) std::memcpy(&value, locale->block->data, sizeof value);
  return value;
}

// Makes a format the system offers but nobody placed, as Windows does when it
// is asked for: the locale, or one text converted from the other with the
// ANSI code page of the clipboard's locale (a character the code page lacks
// becomes '?'). Null when it cannot be made.
compat::GlobalBlock* Make(UINT format) {
  if (format == CF_LOCALE) {
    const LCID locale = ClipboardLocale();
    return BlockWith(&locale, sizeof locale);
  }
  const UINT page = AnsiCodePageOf(ClipboardLocale());
  if (page != 1252) return nullptr;  // no conversion the stand-in has
  const Format* source = Find(format == CF_TEXT ? CF_UNICODETEXT : CF_TEXT);
  if (source == nullptr || source->block == nullptr) return nullptr;
  const compat::GlobalBlock& from = *source->block;
  if (format == CF_TEXT) {
    const auto* wide = reinterpret_cast<const wchar_t*>(from.data);
    const size_t length = wcsnlen(wide, from.size / sizeof(wchar_t));
    std::string bytes(4 * length + 1, '\0');
    const int size = length == 0 ? 0
                                 : WideCharToMultiByte(page, 0, wide, static_cast<int>(length), &bytes[0],
                                                       static_cast<int>(bytes.size()), nullptr, nullptr);
    return BlockWith(bytes.data(), static_cast<size_t>(size) + 1);
  }
  const auto* text = reinterpret_cast<const char*>(from.data);
  const size_t size = strnlen(text, from.size);
  std::wstring wide(size + 1, L'\0');
  const int length =
      size == 0 ? 0 : MultiByteToWideChar(page, 0, text, static_cast<int>(size), &wide[0], static_cast<int>(size));
  return BlockWith(wide.data(), (static_cast<size_t>(length) + 1) * sizeof(wchar_t));
}

// What the system adds when a clipboard that was given text closes.
void AddMadeFormats() {
  const bool text = Find(CF_TEXT) != nullptr, unicode = Find(CF_UNICODETEXT) != nullptr;
  if (!text && !unicode) return;
  // The layout in use now, not when the locale is asked for.
  if (Find(CF_LOCALE) == nullptr) State().formats.push_back({CF_LOCALE, nullptr, true, State().input_language});
  if (!text) State().formats.push_back({CF_TEXT, nullptr, true, 0});
  if (!unicode) State().formats.push_back({CF_UNICODETEXT, nullptr, true, 0});
}

}  // namespace

BOOL OpenClipboard(HWND) {
  compat::ProcessState& state = State();
  if (state.TakeFailure(compat::Failure::OpenClipboard) || state.held_elsewhere) return FALSE;
  if (state.open && !OpenedByThisThread()) return FALSE;
  state.open = true;
  state.changed = false;
  state.opener = std::this_thread::get_id();
  return TRUE;
}

BOOL CloseClipboard() {
  if (!OpenedByThisThread()) return FALSE;
  for (Format& format : State().formats) {
    if (format.block) compat::ExpectUnlocked(format.block, "on the clipboard when it closed");
  }
  if (State().changed) AddMadeFormats();
  State().open = false;
  return TRUE;
}

BOOL EmptyClipboard() {
  if (!OpenedByThisThread()) return FALSE;
  for (Format& format : State().formats) {
    if (format.block == nullptr) continue;
    compat::ExpectUnlocked(format.block, "on the clipboard when it was emptied");
    compat::FreeBlock(format.block);
  }
  State().formats.clear();
  State().changed = true;
  return TRUE;
}

HANDLE GetClipboardData(UINT format) {
  if (!OpenedByThisThread()) return nullptr;
  Format* found = Find(format);
  if (found == nullptr) return nullptr;
  if (found->block == nullptr) found->block = Make(format);
  return found->block;
}

HANDLE SetClipboardData(UINT format, HANDLE handle) {
  compat::GlobalBlock* block = compat::BlockOf(handle);
  if (!OpenedByThisThread() || block == nullptr) return nullptr;
  if (State().TakeFailure(compat::Failure::SetClipboardData)) return nullptr;
  compat::ExpectUnlocked(block, "when handed to the clipboard");
  State().changed = true;
  if (Format* existing = Find(format)) {
    if (existing->block != nullptr && existing->block != block) compat::FreeBlock(existing->block);
    *existing = {format, block, false, 0};
  } else {
    State().formats.push_back({format, block, false, 0});
  }
  return handle;
}

UINT EnumClipboardFormats(UINT format) {
  if (!OpenedByThisThread()) return 0;
  const auto& formats = State().formats;
  size_t next = 0;
  if (format != 0) {
    while (next < formats.size() && formats[next].format != format) ++next;
    ++next;
  }
  return next < formats.size() ? formats[next].format : 0;
}
