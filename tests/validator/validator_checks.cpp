#include <windows.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <sstream>

#include "call_log.h"
#include "document.h"
#include "host_clipboard.h"
#include "menu_list.h"
#include "plugin_library.h"
#include "tagkeeper_version.h"
#include "validator.h"

namespace validator {

void Expect(bool condition, const std::string& what) {
  if (!condition) throw Failure{what};
}

namespace {

using testhost::Document;
using testhost::PluginLibrary;

template <class T>
std::string Show(const T& value) {
  std::ostringstream out;
  out << value;
  return out.str();
}

template <class T>
void ExpectEqual(const T& actual, const T& expected, const std::string& what) {
  Expect(actual == expected, what + ": expected " + Show(expected) + ", actual " + Show(actual));
}

void LoadOrFail(PluginLibrary& library, const Context& context) {
  Expect(library.Load(context.plugin), library.error());
}

void HandshakeAndBind(const testhost::PluginExports& mq) {
  ExpectEqual(mq.MQCheckVersion(0x4403), static_cast<DWORD>(0x0443), "MQCheckVersion(0x4403)");
  Expect(mq.MQInit(testhost::OwnExecutablePath().c_str()) == TRUE, "MQInit with this program's path returns 1");
}

// The library under test, loaded and set up as a host does before commands.
class BoundPlugin {
 public:
  explicit BoundPlugin(const Context& context) {
    LoadOrFail(library_, context);
    HandshakeAndBind(library_.exports());
  }
  const testhost::PluginExports& mq() const { return library_.exports(); }

 private:
  PluginLibrary library_;
};

// Calls every export once, in an order drawn from random, checking each answer.
void CallExportsInRandomOrder(const testhost::PluginExports& mq, std::mt19937& random, Document& doc) {
  std::vector<std::function<void()>> calls = {
      [&] { ExpectEqual(mq.MQCheckVersion(0x4402), static_cast<DWORD>(0), "MQCheckVersion(0x4402)"); },
      [&] { ExpectEqual(mq.MQCheckVersion(0xFFFFFFFF), static_cast<DWORD>(0x0443), "MQCheckVersion(max)"); },
      [&] { Expect(mq.MQInit(testhost::OwnExecutablePath().c_str()) == TRUE, "MQInit returns 1"); },
      [&] {
        DWORD product = 0, id = 0;
        mq.MQGetPlugInID(&product, &id);
        Expect(product != 0 && id != 0, "MQGetPlugInID fills both identifiers");
      },
      [&] {
        const char* name = mq.MQGetPlugInName();
        const std::string prefix = "Tagkeeper ver." TK_VERSION_TEXT " ";
        Expect(name && std::string(name).compare(0, prefix.size(), prefix) == 0, "MQGetPlugInName starts '" + prefix + "'");
      },
      [&] { ExpectEqual(mq.MQGetPlugInType(), 5, "MQGetPlugInType"); },
      [&] {
        const int index = static_cast<int>(random() % (kMenuSize + 4)) - 2;
        const char* menu = mq.MQEnumString(index);
        Expect((index >= 0 && index < static_cast<int>(kMenuSize)) == (menu != nullptr), "MQEnumString(" + Show(index) + ")");
      },
      [&] { Expect(mq.MQEnumFileType(static_cast<int>(random() % 4)) == nullptr, "MQEnumFileType is null"); },
      [&] { Expect(mq.MQEnumFileExt(static_cast<int>(random() % 4)) == nullptr, "MQEnumFileExt is null"); },
      [&] { ExpectEqual(mq.MQImportFile(1, 2, 3), 0, "MQImportFile"); },
      [&] { ExpectEqual(mq.MQExportFile(1, 2, 3), 0, "MQExportFile"); },
      [&] { ExpectEqual(mq.MQOnEvent(doc.handle(), static_cast<int>(random() % 400), nullptr), 0, "MQOnEvent"); },
      [&] { ExpectEqual(mq.MQCreate(4, doc.handle()), 0, "MQCreate(4)"); },
      [&] { ExpectEqual(mq.MQModifyObject(-1, doc.handle()), 0, "MQModifyObject(-1)"); },
      [&] { mq.MQModifySelect(static_cast<int>(random() % 4), doc.handle()); },
  };
  std::shuffle(calls.begin(), calls.end(), random);
  for (auto& call : calls) call();
}

void LoadUnloadRandomOrder(const Context& context) {
  std::mt19937 random(context.seed);
  Document doc;
  doc.AddObject("A", 0, true, 1);
  doc.AddObject("B", 1, false, 0);
  doc.AddMaterial("M", 1);
  for (int cycle = 0; cycle < 200; ++cycle) {
    PluginLibrary library;
    LoadOrFail(library, context);
    CallExportsInRandomOrder(library.exports(), random, doc);
    library.Unload();
    Expect(GetModuleHandleA(context.plugin.c_str()) == nullptr, "the library unloads (cycle " + Show(cycle) + ")");
  }
  // Whatever the commands copied and restored, no name was lost on the way.
  for (const std::string& name : doc.ObjectNames()) {
    Expect(!name.empty() && name.find("TEMPORALYNAME") == std::string::npos, "no object lost its name: " + name);
  }
}

void ExportsBeforeInit(const Context& context) {
  PluginLibrary library;
  LoadOrFail(library, context);
  const auto& mq = library.exports();
  Document doc;
  doc.AddObject("A", 0, true, 1);
  doc.AddMaterial("M", 1);
  testhost::PutClipboardText("clipboard");
  testhost::Log().Clear();
  testhost::Log().enabled = true;
  for (int index = 0; index < static_cast<int>(kMenuSize); ++index) {
    ExpectEqual(mq.MQModifySelect(index, doc.handle()), 0, "command " + Show(index) + " before MQInit");
  }
  ExpectEqual(testhost::Log().calls().size(), static_cast<size_t>(0), "host calls before MQInit");
  ExpectEqual(testhost::Log().unexpected().size(), static_cast<size_t>(0), "host calls before MQInit");
  ExpectEqual(testhost::ClipboardBlock(), std::string("clipboard") + '\0', "clipboard");
  Expect(doc.ObjectNames() == std::vector<std::string>{"A"}, "no name changed before MQInit");
  ExpectEqual(mq.MQGetPlugInType(), 5, "MQGetPlugInType before MQInit");
}

void InitTwice(const Context& context) {
  BoundPlugin plugin(context);
  const auto& mq = plugin.mq();
  HandshakeAndBind(mq);
  Document doc;
  doc.AddObject("A", 0, false, 1);
  doc.AddObject("B", 0, false, 1);
  Expect(mq.MQModifySelect(0, doc.handle()) == TRUE, "copy after two MQInit calls");
  ExpectEqual(testhost::ClipboardBlock(), std::string("A\nB\n") + '\0', "copied text");
}

void CommandsAfterFailedInit(const Context& context) {
  if (context.partial_module.empty()) throw Skipped{"needs --partial-module, a module that lacks a host function"};
  PluginLibrary library;
  LoadOrFail(library, context);
  const auto& mq = library.exports();
  ExpectEqual(mq.MQInit(context.partial_module.c_str()), 0, "MQInit with a module that lacks a name");
  ExpectEqual(mq.MQInit("no-such-module-anywhere.dll"), 0, "MQInit with a path that names no module");
  Document doc;
  doc.AddObject("A", 0, true, 1);
  testhost::Log().Clear();
  testhost::Log().enabled = true;
  for (int index = 0; index < static_cast<int>(kMenuSize); ++index) {
    ExpectEqual(mq.MQModifySelect(index, doc.handle()), 0, "command " + Show(index) + " after a failed MQInit");
  }
  ExpectEqual(testhost::Log().calls().size(), static_cast<size_t>(0), "host calls after a failed MQInit");
  testhost::Log().enabled = false;
  HandshakeAndBind(mq);
  Expect(mq.MQModifySelect(0, doc.handle()) == TRUE, "a later successful MQInit lets commands run");
}

void EventsRandomLists(const Context& context) {
  BoundPlugin plugin(context);
  const auto& mq = plugin.mq();
  std::mt19937 random(context.seed);
  static const char* const kNames[] = {"index", "result", "save_uid", "scene", "width", "height", "button_state",
                                       "mouse_pos_x", "pressure", "key", "trigger", "xml_elem", "filename",
                                       "background", "args", "state", "size", "src_product", "Result", ""};
  std::vector<int> storage(64);
  for (int round = 0; round < 2000; ++round) {
    for (int& value : storage) value = static_cast<int>(random());
    const std::vector<int> before = storage;
    std::vector<void*> list;
    const int pairs = static_cast<int>(random() % 12);
    for (int k = 0; k < pairs; ++k) {
      list.push_back(const_cast<char*>(kNames[random() % (sizeof kNames / sizeof kNames[0])]));
      list.push_back(&storage[random() % storage.size()]);
    }
    list.push_back(nullptr);
    list.push_back(nullptr);
    const int code = static_cast<int>(random() % 420) - 10;
    ExpectEqual(mq.MQOnEvent(nullptr, code, list.data()), 0, "MQOnEvent(" + Show(code) + ") with a random list");
    Expect(storage == before, "MQOnEvent(" + Show(code) + ") wrote into the host's storage");
  }
}

void BigClipboard(const Context& context) {
  BoundPlugin plugin(context);
  const auto& mq = plugin.mq();
  Document doc;
  for (int i = 0; i < 1000; ++i) doc.AddObject("o" + std::to_string(i), 0, false, 1);
  std::string text;
  for (int line = 0; text.size() < 10 * 1024 * 1024; ++line) text += "name" + std::to_string(line) + "\n";
  Expect(testhost::PutClipboardText(text), "put 10 MB on the clipboard");
  Expect(mq.MQModifySelect(1, doc.handle()) == TRUE, "restore from 10 MB of text");
  const auto names = doc.ObjectNames();
  ExpectEqual(names[0], std::string("name0"), "first name");
  ExpectEqual(names[999], std::string("name999"), "last name");

  // A block that holds no NUL at all: reading stops at its end.
  std::string unterminated(10 * 1024 * 1024, 'x');
  for (size_t i = 100; i < unterminated.size(); i += 101) unterminated[i] = '\n';
  Document three;  // equal lines: few targets keep the clash search short
  for (int i = 0; i < 3; ++i) three.AddObject("t", 0, false, 1);
  Expect(testhost::PutClipboardBlock(unterminated), "put a 10 MB block without NUL on the clipboard");
  Expect(mq.MQModifySelect(1, three.handle()) == TRUE, "restore from a block without NUL");
  ExpectEqual(three.ObjectNames()[2], std::string(100, 'x') + "2", "third name from the block without NUL");
}

void BigScene(const Context& context) {
  BoundPlugin plugin(context);
  const auto& mq = plugin.mq();
  // Depths 0, 1, 2 over and over; every other object selected; some of those
  // at depth 0 folded, which brings the two below along.
  Document doc;
  std::string expected;
  int run = -1;
  for (int i = 0; i < 20000; ++i) {
    const int depth = i % 3;
    const bool folded = depth == 0 && i % 7 == 0, selected = i % 2 == 1;
    doc.AddObject("object" + std::to_string(i), depth, folded, selected);
    if (run >= 0 && depth > run) {
      expected += "object" + std::to_string(i) + "\n";
      continue;
    }
    run = -1;
    if (!selected) continue;
    expected += "object" + std::to_string(i) + "\n";
    if (folded) run = depth;
  }
  Expect(mq.MQModifySelect(0, doc.handle()) == TRUE, "copy in a scene of 20,000 objects");
  const std::string copied = testhost::ClipboardBlock();
  Expect(copied == expected + '\0', "copied text of the targets: expected " + Show(expected.size() + 1) +
                                        " bytes, actual " + Show(copied.size()));

  Document few;  // 200 targets among 20,000 objects, names reversed
  std::string reversed;
  for (int i = 0; i < 20000; ++i) few.AddObject("n" + std::to_string(i), 0, false, i < 200);
  for (int i = 199; i >= 0; --i) reversed += "n" + std::to_string(i) + "\n";
  Expect(testhost::PutClipboardText(reversed), "put the reversed names on the clipboard");
  Expect(mq.MQModifySelect(1, few.handle()) == TRUE, "restore 200 targets among 20,000 objects");
  const auto names = few.ObjectNames();
  ExpectEqual(names[0], std::string("n199"), "first target");
  ExpectEqual(names[199], std::string("n0"), "last target");
  ExpectEqual(names[200], std::string("n200"), "first object that is no target");
}

}  // namespace

const std::vector<Check>& AllChecks() {
  static const std::vector<Check> checks = {
      {"exports-load-unload-random", "load and unload 200 times, calling every export in a random order",
       LoadUnloadRandomOrder},
      {"exports-before-init", "commands before MQInit run nothing and call no host function", ExportsBeforeInit},
      {"binding-init-twice", "MQInit twice binds twice and commands work", InitTwice},
      {"binding-commands-after-failed-init", "after a failed MQInit commands run nothing", CommandsAfterFailedInit},
      {"events-random-lists", "MQOnEvent answers 0 to random argument lists and writes nothing", EventsRandomLists},
      {"clipboard-10mb", "restore from 10 MB of clipboard text, with and without a NUL", BigClipboard},
      {"scene-20000", "copy and restore in a scene of 20,000 objects", BigScene},
  };
  return checks;
}

}  // namespace validator
