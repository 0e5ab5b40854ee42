// Restore against an independent model: a random document and random
// clipboard text run through the real commands in the stand-in host, which
// keeps at most 249 bytes of a name (and, at random, keeps names unique). The model builds its own targets and
// parses the text its own way (UTF-8, the encoding of every run here: the
// runtime's UTF-8 locale, or the "C" locale on a UTF-8 system); the reference
// search gives the renames. Checked after every run:
// - the renames are the reference's, call for call, and no name given is
//   longer than 249 bytes;
// - objects (materials) that are no targets keep their names;
// - no two objects hold one name that the restore gave;
// - no target keeps the temporary name unless the text asked for it;
// - a copy right after the restore gives back the names that were set.
#include <fuzzer/FuzzedDataProvider.h>

#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <cwctype>
#include <string>
#include <vector>

#include "Tagkeeper.h"
#include "call_log.h"
#include "compat_controls.h"
#include "document.h"
#include "host_clipboard.h"
#include "host_table.h"
#include "menu_list.h"
#include "plugin_library.h"
#include "plugin_object.h"
#include "reference_restore.h"
#include "temporary_name.h"

namespace {

const std::string kTemporary = kTemporaryName;
constexpr size_t kLongest = 249;

#define REQUIRE(condition)                                 \
  if (!(condition)) {                                      \
    std::fprintf(stderr, "failed: %s\n", #condition);     \
    std::abort();                                          \
  }

// Shows what differs when the renames are not the reference's.
void ShowRenames(const char* title, const std::vector<testsupport::Rename>& renames) {
  std::fprintf(stderr, "%s:\n", title);
  for (const auto& rename : renames) std::fprintf(stderr, "  %d <- \"%s\"\n", rename.index, rename.name.c_str());
}

std::string PickName(FuzzedDataProvider& input) {
  static const char* const kNames[] = {"A", "B", "A1", "Box", "Box1", "x9", "x10", "007", "", "cube", "Cube",
                                       kTemporaryName, "x2147483647", "\xE5\x90\x8D", "Box2"};
  switch (input.ConsumeIntegralInRange(0, 4)) {
    case 0: case 1: return kNames[input.ConsumeIntegralInRange<size_t>(0, std::size(kNames) - 1)];
    case 2: {  // near or past the longest name, in one- and multibyte characters
      std::string name(input.ConsumeIntegralInRange<size_t>(240, 260), 'y');
      if (input.ConsumeBool()) name.replace(name.size() - 6, 2, "\xC3\xA9");
      if (input.ConsumeBool()) name.replace(name.size() - 3, 3, std::to_string(input.ConsumeIntegralInRange(0, 999)));
      return name;
    }
    default: {
      std::string name = input.ConsumeRandomLengthString(12);
      return name.substr(0, name.find('\0'));  // host names end at their NUL
    }
  }
}

std::string PickText(FuzzedDataProvider& input) {
  if (input.ConsumeIntegralInRange(0, 3) == 0) return input.ConsumeRandomLengthString(300);
  std::string text;
  const int lines = input.ConsumeIntegralInRange(0, 14);
  const std::string repeated = PickName(input);
  for (int i = 0; i < lines; ++i) {
    text += (input.ConsumeIntegralInRange(0, 2) == 0 ? repeated : PickName(input)) + (input.ConsumeBool() ? "\n" : "\r\n");
  }
  return text;
}

// The model's targets, straight from the document.
TargetList ModelTargets(const testhost::Document& doc, bool materials) {
  TargetList targets;
  if (materials) {
    for (int i = 0; i < doc.material_count(); ++i) {
      if (doc.material(i) && doc.material(i)->selected == 1) targets.push_back(i);
    }
    return targets;
  }
  int run = -1;
  for (int i = 0; i < doc.object_count(); ++i) {
    const testhost::Object* object = doc.object(i);
    if (!object || doc.is_foreign(i)) continue;
    if (run >= 0 && object->depth > run) {
      targets.push_back(i);
      continue;
    }
    run = -1;
    if (object->selected == 0) continue;
    targets.push_back(i);
    if (object->folded) run = object->depth;
  }
  return targets;
}

// One strict UTF-8 character: its code point and size, or size 0.
size_t DecodeOne(const std::string& text, size_t at, uint32_t& c) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  const size_t size = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                      : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
  if (size == 0 || at + size > text.size()) return 0;
  c = size == 1 ? lead : lead & (0xFF >> (size + 1));
  for (size_t i = 1; i < size; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (byte(i) & 0x3F);
  }
  const uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < least[size] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return size;
}

// One character as the runtime's UTF-8 locale reads it, which takes more
// than Windows does (code points past U+10FFFF).
size_t DecodeInLocale(const std::string& text, size_t at, uint32_t& c) {
  std::mbstate_t state{};
  wchar_t wide;
  const size_t size = std::mbrtowc(&wide, text.data() + at, text.size() - at, &state);
  if (size == 0 || size > text.size() - at) return 0;
  c = static_cast<uint32_t>(wide);
  return size;
}

// A line as a name: invalid UTF-8 gives "invalid", every character that is
// not printable a blank, and the name is cut to 249 bytes of whole characters.
// On a UTF-8 system the line is read by the rules Windows applies, in the
// runtime's UTF-8 locale as that locale reads it.
std::string ModelName(std::string line, bool ansi, locale_t unicode) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::string name;
  size_t whole = 0;  // bytes of name that end on a character within the limit
  for (size_t at = 0; at < line.size();) {
    uint32_t c;
    const size_t size = ansi ? DecodeOne(line, at, c) : DecodeInLocale(line, at, c);
    if (size == 0) return "invalid";
    const bool printable = (c >= 0x20 && c < 0x7F) || (iswprint_l(c, unicode) && !iswcntrl_l(c, unicode));
    name += printable ? line.substr(at, size) : " ";  // a printable character is valid: as it stands
    if (name.size() <= kLongest) whole = name.size();
    at += size;
  }
  return name.substr(0, whole);
}

std::vector<std::string> ModelEntries(const std::string& text, bool ansi, locale_t unicode) {
  std::vector<std::string> entries;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    entries.push_back(ModelName(text.substr(start, end - start), ansi, unicode));
    start = end + 1;
  }
  return entries;
}

locale_t g_unicode;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  g_unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
  if (!g_unicode || !host::BindHostFunctions(testhost::OwnExecutablePath().c_str())) std::abort();
  testhost::Log().enabled = false;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  // UTF-8 either way: the runtime's locale, or the "C" locale on a UTF-8 system.
  const bool ansi = input.ConsumeBool();
  std::setlocale(LC_ALL, ansi ? "C" : "C.UTF-8");
  compat::SetAnsiCodePage(65001);

  testhost::Document doc;
  doc.unique_names = input.ConsumeIntegralInRange(0, 3) == 0;
  const int objects = input.ConsumeIntegralInRange(0, 24);
  for (int i = 0; i < objects; ++i) {
    const int depth = input.ConsumeIntegralInRange(0, 4);
    const bool folded = input.ConsumeBool();
    const int selected = input.ConsumeIntegralInRange(0, 2);
    switch (input.ConsumeIntegralInRange(0, 9)) {
      case 0: doc.AddAbsentObject(); break;
      case 1: doc.AddForeignObject(PickName(input), depth, folded, selected); break;
      default: doc.AddObject(PickName(input), depth, folded, selected); break;
    }
  }
  const int materials = input.ConsumeIntegralInRange(0, 8);
  for (int i = 0; i < materials; ++i) {
    if (input.ConsumeIntegralInRange(0, 9) == 0) {
      doc.AddAbsentMaterial();
    } else {
      doc.AddMaterial(PickName(input), input.ConsumeIntegralInRange(0, 2));
    }
  }
  const bool on_materials = input.ConsumeBool();
  std::string text = PickText(input);
  text = text.substr(0, text.find('\0'));  // clipboard text ends at its NUL

  const TargetList targets = ModelTargets(doc, on_materials);
  const std::vector<std::string> entries = ModelEntries(text, ansi, g_unicode);
  const std::vector<std::string> before = on_materials ? doc.MaterialNames() : doc.ObjectNames();
  testsupport::NameModel model = testsupport::ModelOf(doc, on_materials);
  const auto expected = testsupport::ReferenceRenames(model, targets, entries, NameEncoding::InForce());

  std::vector<testsupport::Rename> renames;
  (on_materials ? doc.on_material_rename : doc.on_object_rename) = [&](int index, const std::string& name) {
    REQUIRE(name.size() <= kLongest);
    renames.push_back({index, name});
  };
  REQUIRE(testhost::PutClipboardText(text));
  Tagkeeper& plugin = dynamic_cast<Tagkeeper&>(*GetPluginClass());
  REQUIRE(plugin.Execute(on_materials ? kMenuRestoreMaterialNames : kMenuRestoreObjectNames, doc.handle()) == TRUE);
  (on_materials ? doc.on_material_rename : doc.on_object_rename) = nullptr;
  if (renames != expected) {
    ShowRenames("renames", renames);
    ShowRenames("reference", expected);
  }
  REQUIRE(renames == expected);

  const std::vector<std::string> after = on_materials ? doc.MaterialNames() : doc.ObjectNames();
  REQUIRE(after == model.names);
  // Only targets with a line that is not empty change, and none of them keeps
  // the temporary name unless the text asked for it.
  std::vector<bool> renamed(after.size());
  for (size_t k = 0; k < targets.size() && k < entries.size(); ++k) renamed[targets[k]] = !entries[k].empty();
  bool asked_for_temporary = false;
  for (const std::string& entry : entries) asked_for_temporary |= entry == kTemporary;
  for (size_t i = 0; i < after.size(); ++i) {
    if (!renamed[i]) REQUIRE(after[i] == before[i]);
    if (renamed[i] && !asked_for_temporary) REQUIRE(after[i] != kTemporary);
  }
  // The names given in the assigning pass are each held once.
  for (size_t r = renames.size() / 2; r < renames.size(); ++r) {
    for (size_t i = 0; i < after.size(); ++i) {
      if (static_cast<int>(i) != renames[r].index && model.counted[i]) REQUIRE(after[i] != renames[r].name);
    }
  }

  // A copy right after the restore gives back every target's name.
  REQUIRE(plugin.Execute(on_materials ? kMenuCopyMaterialNames : kMenuCopyObjectNames, doc.handle()) == TRUE);
  std::string copied = testhost::ClipboardBlock();
  REQUIRE(!copied.empty() && copied.back() == '\0');
  copied.pop_back();
  std::string expected_copy;
  for (int index : targets) expected_copy += after[index] + (on_materials ? "\r\n" : "\n");
  REQUIRE(copied == expected_copy);
  REQUIRE(compat::RefusedCalls().empty());
  return 0;
}
