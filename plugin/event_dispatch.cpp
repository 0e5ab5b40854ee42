#include "event_dispatch.h"

#include <cstring>

#include "MQImportPlugin.h"
#include "MQStationPlugin.h"

void* FindNamedArgument(const NamedArgument* list, const char* name) {
  if (list == nullptr) return nullptr;
  for (; list->name != nullptr; ++list) {
    if (std::strcmp(list->name, name) == 0) return list->value;
  }
  return nullptr;
}

namespace {

// Reading arguments: the pointed-to value, or the default when absent.
class Arguments {
 public:
  explicit Arguments(void* option) : list_(static_cast<const NamedArgument*>(option)) {}

  int Int(const char* name, int absent = 0) const {
    const void* value = FindNamedArgument(list_, name);
    return value ? *static_cast<const int*>(value) : absent;
  }
  float Float(const char* name) const {
    const void* value = FindNamedArgument(list_, name);
    return value ? *static_cast<const float*>(value) : 0.0f;
  }
  void* Pointer(const char* name) const { return FindNamedArgument(list_, name); }
  MQScene Scene() const { return static_cast<MQScene>(Pointer("scene")); }

  // Writes value through the output argument name, when the host passed one.
  void Store(const char* name, int value) const {
    if (void* out = Pointer(name)) *static_cast<int*>(out) = value;
  }

 private:
  const NamedArgument* list_;
};

// Events 100 and 102 pass a pointer to one value instead of a list.
int SingleValue(void* option) { return option ? *static_cast<const int*>(option) : 0; }

int TriggerCode(const char* trigger) {
  if (trigger == nullptr) return 0;
  if (std::strcmp(trigger, "screen") == 0) return 1;
  if (std::strcmp(trigger, "world") == 0) return 2;
  if (std::strcmp(trigger, "local") == 0) return 3;
  return 0;
}

MouseState MouseStateFrom(int buttons) {
  MouseState state;
  state.LButton = (buttons & 0x01) != 0;
  state.MButton = (buttons & 0x10) != 0;
  state.RButton = (buttons & 0x02) != 0;
  state.Shift = (buttons & 0x04) != 0;
  state.Ctrl = (buttons & 0x08) != 0;
  state.Bit5Flag = (buttons & 0x20) != 0;
  return state;
}

bool IsCommandEvent(int code) { return (code >= 120 && code <= 130) || code == 140 || code == 141; }

int DispatchCommandEvent(MQCommandPlugin& plugin, MQDocument doc, int code, const Arguments& args) {
  MouseState state = MouseStateFrom(args.Int("button_state"));
  const MQScene scene = args.Scene();
  if (code == 140 || code == 141) {
    const int key = args.Int("key");
    return code == 140 ? plugin.OnEvent140(doc, scene, key, &state) : plugin.OnEvent141(doc, scene, key, &state);
  }
  state.MousePosX = args.Int("mouse_pos_x");
  state.MousePosY = args.Int("mouse_pos_y");
  state.MouseWheel = args.Int("mouse_wheel");
  state.Pressure = args.Float("pressure");
  typedef BOOL (MQCommandPlugin::*MouseOperation)(MQDocument, MQScene, MouseState*);
  static const MouseOperation kMouseOperations[] = {
      &MQCommandPlugin::OnEvent120, &MQCommandPlugin::OnEvent121, &MQCommandPlugin::OnEvent122,
      &MQCommandPlugin::OnEvent123, &MQCommandPlugin::OnEvent124, &MQCommandPlugin::OnEvent125,
      &MQCommandPlugin::OnEvent126, &MQCommandPlugin::OnEvent127, &MQCommandPlugin::OnEvent128,
      &MQCommandPlugin::OnEvent129, &MQCommandPlugin::OnEvent130,
  };
  return (plugin.*kMouseOperations[code - 120])(doc, scene, &state);
}

// The station table. Returns false for a code that it does not handle.
bool DispatchStationEvent(MQStationPlugin& plugin, MQDocument doc, int code, void* option, int& result) {
  const Arguments args(option);
  result = 1;
  switch (code) {
    case 1: result = plugin.OnEvent1(); break;
    case 2: plugin.OnEvent2(); break;
    case 3: args.Store("result", plugin.OnEvent3(args.Int("index"))); break;
    case 4: args.Store("result", plugin.OnEvent4(args.Int("index"))); break;
    case 100: result = plugin.OnEvent100(doc, SingleValue(option)); break;
    case 101: result = plugin.OnEvent101(doc); break;
    case 102: plugin.OnEvent102(doc, SingleValue(option)); break;
    case 103:
      args.Store("result", plugin.OnEvent103(doc, args.Int("src_product"), args.Int("src_id"),
                                             args.Pointer("description"), args.Pointer("message")));
      break;
    case 104: result = plugin.OnEvent104(doc, args.Int("index")); break;
    case 110: plugin.OnEvent110(doc, args.Scene(), args.Int("width", 1), args.Int("height", 1)); break;
    case 200:
    case 202: {
      XmlElemArgs xml;
      xml.Elem = args.Pointer("xml_elem");
      const char* filename = static_cast<const char*>(args.Pointer("filename"));
      if (code == 200) {
        plugin.OnEvent200(doc, filename, &xml);
      } else {
        plugin.OnEvent202(doc, filename, &xml);
        if (xml.SaveUID) args.Store("save_uid", 1);
      }
      break;
    }
    case 201: plugin.OnEvent201(doc); break;
    case 210: result = plugin.OnEvent210(doc, args.Int("state")); break;
    case 211: result = plugin.OnEvent211(doc, args.Int("state")); break;
    case 212: plugin.OnEvent212(doc, args.Int("state"), args.Int("size")); break;
    case 220: plugin.OnEvent220(doc); break;
    case 221: plugin.OnEvent221(doc); break;
    case 222: plugin.OnEvent222(doc); break;
    case 230: plugin.OnEvent230(doc); break;
    case 231: plugin.OnEvent231(doc); break;
    case 240: plugin.OnEvent240(doc, args.Scene()); break;
    case 250: plugin.OnEvent250(doc, TriggerCode(static_cast<const char*>(args.Pointer("trigger")))); break;
    default:
      if (!IsCommandEvent(code)) return false;
      auto* command = dynamic_cast<MQCommandPlugin*>(&plugin);
      result = command ? DispatchCommandEvent(*command, doc, code, args) : 0;
      break;
  }
  return true;
}

int DispatchImportEvent(MQImportPlugin& plugin, int code, void* option) {
  if (code == 300) return plugin.OnEvent300();
  const Arguments args(option);
  plugin.Background = args.Int("background");
  plugin.Args = args.Pointer("args");
  return 1;
}

}  // namespace

int DispatchEvent(MQBasePlugin& plugin, MQDocument doc, int event_type, void* option) {
  if (auto* station = dynamic_cast<MQStationPlugin*>(&plugin)) {
    int result = 0;
    if (DispatchStationEvent(*station, doc, event_type, option, result)) return result;
  }
  if (auto* import = dynamic_cast<MQImportPlugin*>(&plugin)) {
    if (event_type == 300 || event_type == 301) return DispatchImportEvent(*import, event_type, option);
  }
  return 0;
}
