#pragma once
// The resident kinds: station plug-ins and their command specialisation.
// Every operation has a harmless default; the event dispatch calls them.
#include "MQBasePlugin.h"

struct MQCScene;
typedef MQCScene* MQScene;

// Mouse and modifier state of events 120 to 130, 140 and 141.
struct MouseState {
  int MousePosX = 0;
  int MousePosY = 0;
  int MouseWheel = 0;
  BOOL LButton = 0;
  BOOL MButton = 0;
  BOOL RButton = 0;
  BOOL Shift = 0;
  BOOL Ctrl = 0;
  BOOL Bit5Flag = 0;
  float Pressure = 0.0f;
};

// Arguments of events 200 and 202; an operation of 202 sets SaveUID to have
// "save_uid" written back.
struct XmlElemArgs {
  void* Elem = nullptr;
  BOOL SaveUID = 0;
};

class MQStationPlugin : public MQBasePlugin {
 public:
  // A resident plug-in has exactly one menu string.
  virtual const char* EnumString() { return nullptr; }
  virtual int OnEvent3(int index) { return (void)index, 0; }
  virtual int OnEvent4(int index) { return (void)index, 0; }
  virtual BOOL OnEvent1() { return FALSE; }
  virtual void OnEvent2() {}
  virtual BOOL OnEvent100(MQDocument doc, int value) { return (void)doc, (void)value, FALSE; }
  virtual BOOL OnEvent101(MQDocument doc) { return (void)doc, FALSE; }
  virtual BOOL OnEvent104(MQDocument doc, int index) { return (void)doc, (void)index, FALSE; }
  virtual void OnEvent102(MQDocument doc, int value) { (void)doc, (void)value; }
  virtual int OnEvent103(MQDocument doc, int src_product, int src_id, void* description, void* message) {
    return (void)doc, (void)src_product, (void)src_id, (void)description, (void)message, 0;
  }
  virtual void OnEvent110(MQDocument doc, MQScene scene, int width, int height) {
    (void)doc, (void)scene, (void)width, (void)height;
  }
  virtual void OnEvent200(MQDocument doc, const char* filename, XmlElemArgs* args) {
    (void)doc, (void)filename, (void)args;
  }
  virtual void OnEvent201(MQDocument doc) { (void)doc; }
  virtual void OnEvent202(MQDocument doc, const char* filename, XmlElemArgs* args) {
    (void)doc, (void)filename, (void)args;
  }
  virtual BOOL OnEvent210(MQDocument doc, int state) { return (void)doc, (void)state, FALSE; }
  virtual BOOL OnEvent211(MQDocument doc, int state) { return (void)doc, (void)state, FALSE; }
  virtual void OnEvent212(MQDocument doc, int state, int size) { (void)doc, (void)state, (void)size; }
  virtual void OnEvent221(MQDocument doc) { (void)doc; }
  virtual void OnEvent222(MQDocument doc) { (void)doc; }
  virtual void OnEvent220(MQDocument doc) { (void)doc; }
  virtual void OnEvent231(MQDocument doc) { (void)doc; }
  virtual void OnEvent230(MQDocument doc) { (void)doc; }
  virtual void OnEvent240(MQDocument doc, MQScene scene) { (void)doc, (void)scene; }
  // trigger: 1 "screen", 2 "world", 3 "local", 0 anything else.
  virtual void OnEvent250(MQDocument doc, int trigger) { (void)doc, (void)trigger; }
};

class MQCommandPlugin : public MQStationPlugin {
 public:
  // Declared so that the operations after it keep their places in the
  // interface; no event reaches it and nothing in this program calls it.
  virtual void OnReservedCommandOperation() {}

#define TK_MOUSE_EVENT(code) \
  virtual BOOL OnEvent##code(MQDocument doc, MQScene scene, MouseState* state) { \
    return (void)doc, (void)scene, (void)state, FALSE;                         \
  }
  TK_MOUSE_EVENT(120) TK_MOUSE_EVENT(121) TK_MOUSE_EVENT(122) TK_MOUSE_EVENT(123)
  TK_MOUSE_EVENT(124) TK_MOUSE_EVENT(125) TK_MOUSE_EVENT(126) TK_MOUSE_EVENT(127)
  TK_MOUSE_EVENT(128) TK_MOUSE_EVENT(129) TK_MOUSE_EVENT(130)
#undef TK_MOUSE_EVENT

  virtual BOOL OnEvent140(MQDocument doc, MQScene scene, int key, MouseState* state) {
    return (void)doc, (void)scene, (void)key, (void)state, FALSE;
  }
  virtual BOOL OnEvent141(MQDocument doc, MQScene scene, int key, MouseState* state) {
    return (void)doc, (void)scene, (void)key, (void)state, FALSE;
  }
};
