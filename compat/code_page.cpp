// The system's ANSI code page and its conversions: 1252 or UTF-8, held to the
// rules Windows documents for each call's arguments.
#include <cstdio>
#include <cstring>
#include <string>

#include "code_page_rules.h"
#include "process_state.h"

using compat::State;

namespace {

thread_local DWORD g_last_error = 0;

constexpr wchar_t kReplacement = 0xFFFD;

// Code page 1252 from 0x80 to 0x9F; every other byte is its own code point.
// The five bytes 1252 leaves undefined map to the C1 controls, as on Windows.
const wchar_t k1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

wchar_t From1252(unsigned char byte) { return byte >= 0x80 && byte < 0xA0 ? k1252High[byte - 0x80] : byte; }

// The 1252 byte of c; false when 1252 has none.
bool To1252(wchar_t c, unsigned char& byte) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return byte = static_cast<unsigned char>(c), true;
  for (int i = 0; i < 32; ++i) {
    if (k1252High[i] == c) return byte = static_cast<unsigned char>(0x80 + i), true;
  }
  return false;
}

// One UTF-8 sequence at bytes: its size, or 0 when it is not a valid one
// (overlong, a surrogate, past U+10FFFF, cut short).
size_t DecodeUtf8(const unsigned char* bytes, size_t left, wchar_t& c) {
  const unsigned char lead = bytes[0];
  size_t size;
  uint32_t value, least;
  if (lead < 0x80) return c = lead, 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    size = 2, value = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    size = 3, value = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    size = 4, value = lead & 0x07, least = 0x10000;
  } else {
    return 0;
  }
  if (left < size) return 0;
  for (size_t i = 1; i < size; ++i) {
    if ((bytes[i] & 0xC0) != 0x80) return 0;
    value = (value << 6) | (bytes[i] & 0x3F);
  }
  if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  c = static_cast<wchar_t>(value);
  return size;
}

// The UTF-8 bytes of c into out (room for 4); 0 when c is no character.
size_t EncodeUtf8(wchar_t c, unsigned char* out) {
  const auto value = static_cast<uint32_t>(c);
  if (value < 0x80) return out[0] = static_cast<unsigned char>(value), 1;
  if (value < 0x800) {
    out[0] = static_cast<unsigned char>(0xC0 | (value >> 6));
    out[1] = static_cast<unsigned char>(0x80 | (value & 0x3F));
    return 2;
  }
  if ((value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) return 0;
  if (value < 0x10000) {
    out[0] = static_cast<unsigned char>(0xE0 | (value >> 12));
    out[1] = static_cast<unsigned char>(0x80 | ((value >> 6) & 0x3F));
    out[2] = static_cast<unsigned char>(0x80 | (value & 0x3F));
    return 3;
  }
  out[0] = static_cast<unsigned char>(0xF0 | (value >> 18));
  out[1] = static_cast<unsigned char>(0x80 | ((value >> 12) & 0x3F));
  out[2] = static_cast<unsigned char>(0x80 | ((value >> 6) & 0x3F));
  out[3] = static_cast<unsigned char>(0x80 | (value & 0x3F));
  return 4;
}

UINT Resolved(UINT code_page) { return code_page == CP_ACP ? State().ansi_code_page : code_page; }

bool Supported(UINT code_page) { return code_page == 1252 || code_page == CP_UTF8; }

// Fails the call as Windows would, and records it when Windows refuses its
// arguments (rather than its text or a small buffer).
int Fail(DWORD error, const char* call, UINT code_page, DWORD flags) {
  g_last_error = error;
  if (error == ERROR_INVALID_PARAMETER || error == ERROR_INVALID_FLAGS) {
    char text[128];
    std::snprintf(text, sizeof text, "%s(code page %u, flags 0x%x): error %u", call, code_page,
                  static_cast<unsigned>(flags), static_cast<unsigned>(error));
    State().refused_calls.emplace_back(text);
  }
  return 0;
}

}  // namespace

DWORD GetLastError() { return g_last_error; }
void SetLastError(DWORD error) { g_last_error = error; }

UINT GetACP() { return State().ansi_code_page; }

BOOL GetCPInfo(UINT code_page, LPCPINFO info) {
  const UINT page = Resolved(code_page);
  if (info == nullptr || !Supported(page)) return Fail(ERROR_INVALID_PARAMETER, "GetCPInfo", page, 0);
  std::memset(info, 0, sizeof *info);
  info->MaxCharSize = page == CP_UTF8 ? 4 : 1;
  info->DefaultChar[0] = '?';
  return TRUE;
}

int MultiByteToWideChar(UINT code_page, DWORD flags, LPCCH bytes, int byte_count, LPWSTR wide, int wide_count) {
  const UINT page = Resolved(code_page);
  if (const DWORD refusal = code_page_rules::ToWideRefusal(page, flags, bytes, byte_count, wide, wide_count)) {
    return Fail(refusal, "MultiByteToWideChar", page, flags);
  }
  if (!Supported(page)) return Fail(ERROR_INVALID_PARAMETER, "MultiByteToWideChar", page, flags);
  const auto* in = reinterpret_cast<const unsigned char*>(bytes);
  const size_t size = byte_count == -1 ? std::strlen(bytes) + 1 : static_cast<size_t>(byte_count);
  std::wstring out;
  for (size_t at = 0; at < size;) {
    wchar_t c = 0;
    const size_t used = page == CP_UTF8 ? DecodeUtf8(in + at, size - at, c) : (c = From1252(in[at]), 1);
    if (used == 0) {
      if (flags & MB_ERR_INVALID_CHARS) return Fail(ERROR_NO_UNICODE_TRANSLATION, "MultiByteToWideChar", page, flags);
      c = kReplacement;
    }
    out += c;
    at += used ? used : 1;
  }
  if (wide_count == 0) return static_cast<int>(out.size());
  if (out.size() > static_cast<size_t>(wide_count)) return Fail(ERROR_INSUFFICIENT_BUFFER, "", page, flags);
  std::memcpy(wide, out.data(), out.size() * sizeof(wchar_t));
  return static_cast<int>(out.size());
}

int WideCharToMultiByte(UINT code_page, DWORD flags, LPCWSTR wide, int wide_count, LPSTR bytes, int byte_count,
                        LPCCH default_char, LPBOOL used_default_char) {
  const UINT page = Resolved(code_page);
  if (const DWORD refusal = code_page_rules::ToMultiByteRefusal(page, flags, wide, wide_count, bytes, byte_count,
                                                                default_char, used_default_char)) {
    return Fail(refusal, "WideCharToMultiByte", page, flags);
  }
  if (!Supported(page)) return Fail(ERROR_INVALID_PARAMETER, "WideCharToMultiByte", page, flags);
  const size_t size = wide_count == -1 ? std::wcslen(wide) + 1 : static_cast<size_t>(wide_count);
  std::string out;
  bool used_default = false;
  for (size_t at = 0; at < size; ++at) {
    unsigned char encoded[4];
    size_t length = 0;
    if (page == CP_UTF8) {
      length = EncodeUtf8(wide[at], encoded);
      if (length == 0) {
        if (flags & WC_ERR_INVALID_CHARS) {
          return Fail(ERROR_NO_UNICODE_TRANSLATION, "WideCharToMultiByte", page, flags);
        }
        length = EncodeUtf8(kReplacement, encoded);
      }
    } else {
      length = 1;
      if (!To1252(wide[at], encoded[0])) {
        encoded[0] = static_cast<unsigned char>(default_char ? *default_char : '?');
        used_default = true;
      }
    }
    out.append(reinterpret_cast<const char*>(encoded), length);
  }
  if (used_default_char) *used_default_char = used_default;
  if (byte_count == 0) return static_cast<int>(out.size());
  if (out.size() > static_cast<size_t>(byte_count)) return Fail(ERROR_INSUFFICIENT_BUFFER, "", page, flags);
  std::memcpy(bytes, out.data(), out.size());
  return static_cast<int>(out.size());
}
