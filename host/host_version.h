#pragma once
// The version handshake of MQCheckVersion: the oldest host version the
// plug-in works with, and the plug-in interface version it answers with.
// Two different numbers; the stand-in host presents itself as the oldest.
#include <cstdint>

constexpr uint32_t kOldestHostVersion = 0x4403;
constexpr uint32_t kPluginInterfaceVersion = 0x0443;
