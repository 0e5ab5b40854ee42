#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "MQImportPlugin.h"
#include "MQStationPlugin.h"
#include "Tagkeeper.h"
#include "event_dispatch.h"

namespace {

MQDocument const kDoc = reinterpret_cast<MQDocument>(0xD0C);
MQScene const kScene = reinterpret_cast<MQScene>(0x5CE);

std::string Str(const void* p) { return p ? std::to_string(reinterpret_cast<uintptr_t>(p)) : "null"; }
std::string Doc(MQDocument doc) { return doc == kDoc ? "doc" : Str(doc); }
std::string Mouse(const MouseState* m) {
  return std::to_string(m->MousePosX) + "," + std::to_string(m->MousePosY) + "," + std::to_string(m->MouseWheel) +
         " L" + std::to_string(m->LButton) + "M" + std::to_string(m->MButton) + "R" + std::to_string(m->RButton) +
         "S" + std::to_string(m->Shift) + "C" + std::to_string(m->Ctrl) + "B" + std::to_string(m->Bit5Flag) + " p" +
         std::to_string(m->Pressure);
}

// Records which operation ran with which arguments; answers `answer`.
template <class Base>
class Recorder : public Base {
 public:
  void GetPlugInID(DWORD*, DWORD*) override {}
  const char* GetPlugInName() override { return "recorder"; }
  int GetPlugInType() override { return kKindStation; }
  std::vector<std::string> calls;
  int answer = 7;
  BOOL set_save_uid = FALSE;

 protected:
  int Note(std::string call) {
    calls.push_back(std::move(call));
    return answer;
  }
};

class StationRecorder : public Recorder<MQStationPlugin> {
 public:
  int OnEvent3(int i) override { return Note("3 " + std::to_string(i)); }
  int OnEvent4(int i) override { return Note("4 " + std::to_string(i)); }
  BOOL OnEvent1() override { return Note("1"); }
  void OnEvent2() override { Note("2"); }
  BOOL OnEvent100(MQDocument d, int v) override { return Note("100 " + Doc(d) + " " + std::to_string(v)); }
  BOOL OnEvent101(MQDocument d) override { return Note("101 " + Doc(d)); }
  BOOL OnEvent104(MQDocument d, int i) override { return Note("104 " + Doc(d) + " " + std::to_string(i)); }
  void OnEvent102(MQDocument d, int v) override { Note("102 " + Doc(d) + " " + std::to_string(v)); }
  int OnEvent103(MQDocument d, int p, int i, void* desc, void* msg) override {
    return Note("103 " + Doc(d) + " " + std::to_string(p) + " " + std::to_string(i) + " " + Str(desc) + " " +
                Str(msg));
  }
  void OnEvent110(MQDocument d, MQScene s, int w, int h) override {
    Note("110 " + Doc(d) + " " + Str(s) + " " + std::to_string(w) + "x" + std::to_string(h));
  }
  void OnEvent200(MQDocument d, const char* f, XmlElemArgs* x) override {
    Note("200 " + Doc(d) + " " + Str(f) + " " + Str(x->Elem) + " " + std::to_string(x->SaveUID));
    x->SaveUID = set_save_uid;
  }
  void OnEvent201(MQDocument d) override { Note("201 " + Doc(d)); }
  void OnEvent202(MQDocument d, const char* f, XmlElemArgs* x) override {
    Note("202 " + Doc(d) + " " + Str(f) + " " + Str(x->Elem) + " " + std::to_string(x->SaveUID));
    x->SaveUID = set_save_uid;
  }
  BOOL OnEvent210(MQDocument d, int s) override { return Note("210 " + Doc(d) + " " + std::to_string(s)); }
  BOOL OnEvent211(MQDocument d, int s) override { return Note("211 " + Doc(d) + " " + std::to_string(s)); }
  void OnEvent212(MQDocument d, int s, int z) override {
    Note("212 " + Doc(d) + " " + std::to_string(s) + " " + std::to_string(z));
  }
  void OnEvent220(MQDocument d) override { Note("220 " + Doc(d)); }
  void OnEvent221(MQDocument d) override { Note("221 " + Doc(d)); }
  void OnEvent222(MQDocument d) override { Note("222 " + Doc(d)); }
  void OnEvent230(MQDocument d) override { Note("230 " + Doc(d)); }
  void OnEvent231(MQDocument d) override { Note("231 " + Doc(d)); }
  void OnEvent240(MQDocument d, MQScene s) override { Note("240 " + Doc(d) + " " + Str(s)); }
  void OnEvent250(MQDocument d, int t) override { Note("250 " + Doc(d) + " " + std::to_string(t)); }
};

class CommandRecorder : public Recorder<MQCommandPlugin> {
 public:
  int GetPlugInType() override { return kKindCommand; }
#define TK_RECORD_MOUSE(code)                                                       \
  BOOL OnEvent##code(MQDocument d, MQScene s, MouseState* m) override {             \
    return Note(#code " " + Doc(d) + " " + Str(s) + " " + Mouse(m));               \
  }
  TK_RECORD_MOUSE(120) TK_RECORD_MOUSE(121) TK_RECORD_MOUSE(122) TK_RECORD_MOUSE(123) TK_RECORD_MOUSE(124)
  TK_RECORD_MOUSE(125) TK_RECORD_MOUSE(126) TK_RECORD_MOUSE(127) TK_RECORD_MOUSE(128) TK_RECORD_MOUSE(129)
  TK_RECORD_MOUSE(130)
#undef TK_RECORD_MOUSE
  BOOL OnEvent140(MQDocument d, MQScene s, int k, MouseState* m) override {
    return Note("140 " + Doc(d) + " " + Str(s) + " " + std::to_string(k) + " " + Mouse(m));
  }
  BOOL OnEvent141(MQDocument d, MQScene s, int k, MouseState* m) override {
    return Note("141 " + Doc(d) + " " + Str(s) + " " + std::to_string(k) + " " + Mouse(m));
  }
};

class ImportRecorder : public Recorder<MQImportPlugin> {
 public:
  int GetPlugInType() override { return kKindImport; }
  BOOL OnEvent300() override { return Note("300"); }
};

// A named-argument list that owns its values. Values are kept in reserved
// storage, so that the pointers in the list stay valid.
class ArgumentList {
 public:
  ArgumentList() {
    ints_.reserve(32);
    floats_.reserve(8);
  }
  ArgumentList& Int(const char* name, int value) {
    ints_.push_back(value);
    return Add(name, &ints_.back());
  }
  ArgumentList& Float(const char* name, float value) {
    floats_.push_back(value);
    return Add(name, &floats_.back());
  }
  ArgumentList& Pointer(const char* name, void* value) { return Add(name, value); }
  ArgumentList& Text(const char* name, const char* value) { return Add(name, const_cast<char*>(value)); }
  // The list as the host passes it, ended by a pair with a null name.
  void* get() {
    pairs_.push_back(NamedArgument{nullptr, nullptr});
    return pairs_.data();
  }

 private:
  ArgumentList& Add(const char* name, void* value) {
    pairs_.push_back(NamedArgument{name, value});
    return *this;
  }
  std::vector<NamedArgument> pairs_;
  std::vector<int> ints_;
  std::vector<float> floats_;
};

void* const kDescription = reinterpret_cast<void*>(0xDE5);
void* const kMessage = reinterpret_cast<void*>(0x335);
void* const kXml = reinterpret_cast<void*>(0x8A1);
char kFile[] = "scene.xml";

struct StationCase {
  int code;
  std::function<void(ArgumentList&)> fill;  // arguments; none when empty
  std::string expected_call;
  int expected_result;  // -1: the operation's answer (7)
};

TEST(StationEvents, EachCodeCallsItsOperationWithItsArguments) {
  const std::vector<StationCase> cases = {
      {1, nullptr, "1", 7},
      {2, nullptr, "2", 1},
      {3, [](ArgumentList& a) { a.Int("index", 4); }, "3 4", 1},
      {3, nullptr, "3 0", 1},
      {4, [](ArgumentList& a) { a.Int("index", 9); }, "4 9", 1},
      {101, nullptr, "101 doc", 7},
      {103,
       [](ArgumentList& a) {
         a.Int("src_product", 11).Int("src_id", 12).Pointer("description", kDescription).Pointer("message", kMessage);
       },
       "103 doc 11 12 " + Str(kDescription) + " " + Str(kMessage), 1},
      {103, nullptr, "103 doc 0 0 null null", 1},
      {104, [](ArgumentList& a) { a.Int("index", 3); }, "104 doc 3", 7},
      {110, [](ArgumentList& a) { a.Pointer("scene", kScene).Int("width", 640).Int("height", 480); },
       "110 doc " + Str(kScene) + " 640x480", 1},
      {110, nullptr, "110 doc null 1x1", 1},
      {200, [](ArgumentList& a) { a.Pointer("xml_elem", kXml).Text("filename", kFile); },
       "200 doc " + Str(kFile) + " " + Str(kXml) + " 0", 1},
      {201, nullptr, "201 doc", 1},
      {210, [](ArgumentList& a) { a.Int("state", 2); }, "210 doc 2", 7},
      {211, nullptr, "211 doc 0", 7},
      {212, [](ArgumentList& a) { a.Int("state", 1).Int("size", 99); }, "212 doc 1 99", 1},
      {220, nullptr, "220 doc", 1},
      {221, nullptr, "221 doc", 1},
      {222, nullptr, "222 doc", 1},
      {230, nullptr, "230 doc", 1},
      {231, nullptr, "231 doc", 1},
      {240, [](ArgumentList& a) { a.Pointer("scene", kScene); }, "240 doc " + Str(kScene), 1},
      {250, [](ArgumentList& a) { a.Text("trigger", "screen"); }, "250 doc 1", 1},
      {250, [](ArgumentList& a) { a.Text("trigger", "world"); }, "250 doc 2", 1},
      {250, [](ArgumentList& a) { a.Text("trigger", "local"); }, "250 doc 3", 1},
      {250, [](ArgumentList& a) { a.Text("trigger", "Screen"); }, "250 doc 0", 1},
      {250, nullptr, "250 doc 0", 1},
  };
  for (const StationCase& c : cases) {
    StationRecorder plugin;
    ArgumentList list;
    if (c.fill) c.fill(list);
    EXPECT_EQ(DispatchEvent(plugin, kDoc, c.code, c.fill ? list.get() : nullptr), c.expected_result) << c.code;
    EXPECT_EQ(plugin.calls, std::vector<std::string>{c.expected_call}) << c.code;
  }
}

TEST(StationEvents, SingleValueEventsReadThroughTheOptionPointer) {
  StationRecorder plugin;
  int value = 42;
  EXPECT_EQ(DispatchEvent(plugin, kDoc, 100, &value), 7);
  EXPECT_EQ(DispatchEvent(plugin, kDoc, 102, &value), 1);
  EXPECT_EQ(DispatchEvent(plugin, kDoc, 100, nullptr), 7);
  EXPECT_EQ(DispatchEvent(plugin, kDoc, 102, nullptr), 1);
  EXPECT_EQ(plugin.calls, (std::vector<std::string>{"100 doc 42", "102 doc 42", "100 doc 0", "102 doc 0"}));
}

TEST(StationEvents, ResultIsWrittenOnlyWhenPresent) {
  for (int code : {3, 4, 103}) {
    StationRecorder plugin;
    plugin.answer = 55;
    int result = -1;
    ArgumentList with;
    with.Pointer("result", &result);
    EXPECT_EQ(DispatchEvent(plugin, kDoc, code, with.get()), 1);
    EXPECT_EQ(result, 55) << code;

    ArgumentList without;
    without.Int("index", 1);
    EXPECT_EQ(DispatchEvent(plugin, kDoc, code, without.get()), 1);
    EXPECT_EQ(plugin.calls.size(), 2u) << "the operation runs even without a result to write";
  }
}

TEST(StationEvents, SaveUidIsWrittenOnlyBy202AndOnlyWhenAsked) {
  struct Case {
    int code;
    BOOL set;
    int expected;
  };
  for (const Case c : {Case{202, TRUE, 1}, Case{202, FALSE, -1}, Case{200, TRUE, -1}}) {
    StationRecorder plugin;
    plugin.set_save_uid = c.set;
    int save_uid = -1;
    ArgumentList list;
    list.Pointer("save_uid", &save_uid);
    EXPECT_EQ(DispatchEvent(plugin, kDoc, c.code, list.get()), 1);
    EXPECT_EQ(save_uid, c.expected) << c.code << " " << c.set;
  }
}

TEST(CommandEvents, MouseEventsDecodeTheButtonState) {
  struct Case {
    int buttons;
    const char* flags;
  };
  for (const Case c : {Case{0x3F, "L1M1R1S1C1B1"}, Case{0x10, "L0M1R0S0C0B0"}, Case{0x40, "L0M0R0S0C0B0"},
                       Case{0x01 | 0x08, "L1M0R0S0C1B0"}}) {
    for (int code = 120; code <= 130; ++code) {
      CommandRecorder plugin;
      ArgumentList list;
      list.Pointer("scene", kScene).Int("button_state", c.buttons).Int("mouse_pos_x", 10).Int("mouse_pos_y", -20);
      list.Int("mouse_wheel", 120).Float("pressure", 0.5f);
      EXPECT_EQ(DispatchEvent(plugin, kDoc, code, list.get()), 7);
      EXPECT_EQ(plugin.calls, std::vector<std::string>{std::to_string(code) + " doc " + Str(kScene) + " 10,-20,120 " +
                                                      c.flags + " p0.500000"});
    }
  }
}

TEST(CommandEvents, KeyEventsCarryNoPositionWheelOrPressure) {
  for (int code : {140, 141}) {
    CommandRecorder plugin;
    ArgumentList list;
    list.Int("key", 65).Int("button_state", 0x04).Int("mouse_pos_x", 10).Float("pressure", 1.0f);
    EXPECT_EQ(DispatchEvent(plugin, kDoc, code, list.get()), 7);
    EXPECT_EQ(plugin.calls,
              std::vector<std::string>{std::to_string(code) + " doc null 65 0,0,0 L0M0R0S1C0B0 p0.000000"});
  }
}

TEST(CommandEvents, AStationThatIsNoCommandPluginGetsZero) {
  std::vector<int> codes = {140, 141};
  for (int code = 120; code <= 130; ++code) codes.push_back(code);
  for (int code : codes) {
    StationRecorder plugin;
    EXPECT_EQ(DispatchEvent(plugin, kDoc, code, nullptr), 0) << code;
    EXPECT_TRUE(plugin.calls.empty());
  }
}

TEST(CommandEvents, StationEventsReachACommandPluginToo) {
  CommandRecorder plugin;
  for (int code : {3, 4, 103}) {  // the station's default operations answer 0
    ArgumentList list;
    int result = -1;
    list.Pointer("result", &result);
    EXPECT_EQ(DispatchEvent(plugin, kDoc, code, list.get()), 1);
    EXPECT_EQ(result, 0) << code;
  }
  EXPECT_EQ(DispatchEvent(plugin, kDoc, 300, nullptr), 0);
}

TEST(ImportEvents, Event300CallsAndEvent301Stores) {
  ImportRecorder plugin;
  EXPECT_EQ(DispatchEvent(plugin, kDoc, 300, nullptr), 7);
  ArgumentList list;
  list.Int("background", 3).Pointer("args", kXml);
  EXPECT_EQ(DispatchEvent(plugin, kDoc, 301, list.get()), 1);
  EXPECT_EQ(plugin.Background, 3);
  EXPECT_EQ(plugin.Args, kXml);
  EXPECT_EQ(DispatchEvent(plugin, kDoc, 301, nullptr), 1);
  EXPECT_EQ(plugin.Background, 0);
  EXPECT_EQ(plugin.Args, nullptr);
  for (int code : {1, 2, 3, 100, 120, 250}) EXPECT_EQ(DispatchEvent(plugin, kDoc, code, nullptr), 0) << code;
  EXPECT_EQ(plugin.calls, std::vector<std::string>{"300"});
}

TEST(UnhandledEvents, CodesOutsideTheTableAnswerZero) {
  StationRecorder station;
  ImportRecorder import;
  for (int code : {0, 5, 99, 105, 109, 111, 119, 131, 139, 142, 199, 203, 209, 213, 219, 223, 229, 232, 239, 241,
                   249, 251, 299, 302, 1000, -1, -2147483647 - 1}) {
    EXPECT_EQ(DispatchEvent(station, kDoc, code, nullptr), 0) << code;
    EXPECT_EQ(DispatchEvent(import, kDoc, code, nullptr), 0) << code;
  }
  EXPECT_EQ(DispatchEvent(station, kDoc, 300, nullptr), 0);
  EXPECT_EQ(DispatchEvent(station, kDoc, 301, nullptr), 0);
  EXPECT_TRUE(station.calls.empty());
  EXPECT_TRUE(import.calls.empty());
}

TEST(TagkeeperEvents, EveryCodeAnswersZeroAndTouchesNothing) {
  Tagkeeper plugin;
  int result = -12345, save_uid = -6789;
  ArgumentList list;
  list.Pointer("result", &result).Pointer("save_uid", &save_uid).Int("index", 1);
  void* arguments = list.get();
  for (int code = -5; code <= 400; ++code) {
    EXPECT_EQ(DispatchEvent(plugin, kDoc, code, arguments), 0) << code;
    EXPECT_EQ(DispatchEvent(plugin, kDoc, code, nullptr), 0) << code;
  }
  EXPECT_EQ(result, -12345);
  EXPECT_EQ(save_uid, -6789);
}

TEST(NamedArguments, FirstOfTwoEqualNamesWinsAndCaseCounts) {
  int first = 1, second = 2;
  ArgumentList list;
  list.Pointer("index", &first).Pointer("index", &second);
  void* arguments = list.get();
  const auto* pairs = static_cast<const NamedArgument*>(arguments);
  EXPECT_EQ(FindNamedArgument(pairs, "index"), &first);
  EXPECT_EQ(FindNamedArgument(pairs, "Index"), nullptr);
  EXPECT_EQ(FindNamedArgument(pairs, "index "), nullptr);
  EXPECT_EQ(FindNamedArgument(nullptr, "index"), nullptr);

  StationRecorder plugin;
  DispatchEvent(plugin, kDoc, 3, arguments);
  EXPECT_EQ(plugin.calls, std::vector<std::string>{"3 1"});
}

}  // namespace
