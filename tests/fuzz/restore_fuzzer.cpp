// Restore against a model: a random document and random clipboard text, run
// through the real commands in the stand-in host, checked against what must
// always hold:
// - objects (materials) that are no targets keep their names;
// - no target keeps the temporary name unless the text asked for it;
// - every name given in the assigning pass was free when it was given;
// - a copy right after the restore gives back the names that were set.
#include <fuzzer/FuzzedDataProvider.h>

#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "Tagkeeper.h"
#include "call_log.h"
#include "document.h"
#include "host_clipboard.h"
#include "host_table.h"
#include "name_list.h"
#include "plugin_library.h"
#include "plugin_object.h"
#include "target_list.h"

namespace {

const std::string kTemporary = "  *TEMPORALYNAME_forTagkeeper";

#define REQUIRE(condition) \
  if (!(condition)) std::abort()

std::string PickName(FuzzedDataProvider& input) {
  static const char* const kNames[] = {"A", "B", "A1", "Box", "Box1", "x9", "x10", "007", "", "cube", "Cube",
                                       "  *TEMPORALYNAME_forTagkeeper", "x2147483647", "\xE5\x90\x8D"};
  if (input.ConsumeBool()) return kNames[input.ConsumeIntegralInRange<size_t>(0, std::size(kNames) - 1)];
  // Host names end at their NUL.
  std::string name = input.ConsumeRandomLengthString(12);
  return name.substr(0, name.find('\0'));
}

std::string PickText(FuzzedDataProvider& input) {
  if (input.ConsumeBool()) return input.ConsumeRandomLengthString(200);
  std::string text;
  const int lines = input.ConsumeIntegralInRange(0, 12);
  for (int i = 0; i < lines; ++i) text += PickName(input) + (input.ConsumeBool() ? "\n" : "\r\n");
  return text;
}

std::vector<std::string> Names(const testhost::Document& doc, bool materials) {
  return materials ? doc.MaterialNames() : doc.ObjectNames();
}

// Whether another present, owned object (material) holds name.
bool HeldByAnother(const testhost::Document& doc, bool materials, int own, const std::string& name) {
  const int count = materials ? doc.material_count() : doc.object_count();
  for (int i = 0; i < count; ++i) {
    if (i == own) continue;
    if (materials) {
      if (doc.material(i) && doc.material(i)->name == name) return true;
    } else if (doc.object(i) && !doc.is_foreign(i) && doc.object(i)->name == name) {
      return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::setlocale(LC_ALL, "C.UTF-8");
  if (!host::BindHostFunctions(testhost::OwnExecutablePath().c_str())) std::abort();
  testhost::Log().enabled = false;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  testhost::Document doc;
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

  const TargetList targets = on_materials ? BuildMaterialTargets(doc.handle()) : BuildObjectTargets(doc.handle());
  const NameList entries = ParseNameList(text);
  const std::vector<std::string> before = Names(doc, on_materials);

  // Watch the assigning pass: it follows one temporary name per non-empty entry.
  size_t clearing = 0;
  for (size_t k = 0; k < targets.size() && k < entries.size(); ++k) clearing += !entries[k].empty();
  size_t renames = 0;
  std::vector<std::string> given(before.size());
  auto watch = [&](int index, const std::string& name) {
    if (renames++ < clearing) {
      REQUIRE(name == kTemporary);
      return;
    }
    REQUIRE(!HeldByAnother(doc, on_materials, index, name));
    given[index] = name;
  };
  (on_materials ? doc.on_material_rename : doc.on_object_rename) = watch;

  REQUIRE(testhost::PutClipboardText(text));
  Tagkeeper& plugin = dynamic_cast<Tagkeeper&>(*GetPluginClass());
  REQUIRE(plugin.Execute(on_materials ? 3 : 1, doc.handle()) == TRUE);
  REQUIRE(renames == 2 * clearing);

  const std::vector<std::string> after = Names(doc, on_materials);
  const std::set<int> target_set(targets.begin(), targets.end());
  bool asked_for_temporary = false;
  for (const std::string& entry : entries) asked_for_temporary |= entry == kTemporary;
  for (size_t i = 0; i < after.size(); ++i) {
    if (!target_set.count(static_cast<int>(i))) REQUIRE(after[i] == before[i]);
  }
  for (size_t k = 0; k < targets.size(); ++k) {
    const int index = targets[k];
    if (k < entries.size() && !entries[k].empty()) {
      if (!asked_for_temporary) REQUIRE(after[index] != kTemporary);
      REQUIRE(after[index] == given[index].substr(0, 249));
    } else {
      REQUIRE(after[index] == before[index]);  // left alone, whatever its name
    }
  }

  // A copy right after the restore gives back every target's name.
  REQUIRE(plugin.Execute(on_materials ? 2 : 0, doc.handle()) == TRUE);
  std::string copied = testhost::ClipboardBlock();
  REQUIRE(!copied.empty() && copied.back() == '\0');
  copied.pop_back();
  std::string expected;
  for (int index : targets) expected += after[index] + (on_materials ? "\r\n" : "\n");
  REQUIRE(copied == expected);
  return 0;
}
