#pragma once
// The one plug-in object of the process. The concrete plug-in defines this
// function; the framework never names the concrete class. It builds the
// object in static storage on its first call (not on the heap, with no lock:
// the host calls from one thread) and destroys it when the library unloads.
#include "MQBasePlugin.h"

MQBasePlugin* GetPluginClass();
