#pragma once
// Routes the host's events to the resident and import kinds of the frame.
#include "MQBasePlugin.h"

// One pair of a host's named-argument list; the list ends at a null name.
// The host owns the list and everything it points to, for the call only.
struct NamedArgument {
  const char* name;
  void* value;
};

// The value pointer of the first pair named exactly name (case counts, no
// trimming); null when the list is null or holds no such name.
void* FindNamedArgument(const NamedArgument* list, const char* name);

// Handles one event for plugin and returns MQOnEvent's answer: 0 for every
// code that the plug-in's class does not handle. option is the named-argument
// list, or for events 100 and 102 a pointer to one 32-bit value.
int DispatchEvent(MQBasePlugin& plugin, MQDocument doc, int event_type, void* option);
