// The exports' routing by plug-in kind, for every kind of the frame: this
// program links the frame without Tagkeeper and stands a plug-in of each
// family behind the exports, reporting the kind of the row.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <type_traits>

#include "MQImportPlugin.h"
#include "MQMenuBasePlugin.h"
#include "MQStationPlugin.h"
#include "export_list.h"
#include "plugin_object.h"

namespace {

enum class Family { Import, Menu, Station, Command };

int g_kind = 0;

// A plug-in of a family that reports the row's kind.
template <class Family>
class Reporting : public Family {
 public:
  void GetPlugInID(DWORD*, DWORD*) override {}
  const char* GetPlugInName() override { return "routing"; }
  int GetPlugInType() override { return g_kind; }
};

class ImportPlugin : public Reporting<MQImportPlugin> {
 public:
  const char* EnumFileType(int index) override { return index == 0 ? "type" : nullptr; }
  const char* EnumFileExt(int index) override { return index == 0 ? "ext" : nullptr; }
  BOOL ImportFile(MQFileArgument a, MQFileArgument b, MQFileArgument c) override {
    return a == 1 && b == 2 && c == 3 ? 7 : 8;  // the arguments arrive in order
  }
};

class MenuPlugin : public Reporting<MQMenuBasePlugin> {
 public:
  const char* EnumString(int index) override { return index == 0 ? "menu 0" : index == 1 ? "menu 1" : nullptr; }
  BOOL Execute(int index, MQDocument) override { return 10 + index; }
};

template <class Family>
class Resident : public Reporting<Family> {
 public:
  const char* EnumString() override { return std::is_same<Family, MQCommandPlugin>::value ? "command" : "station"; }
};
typedef Resident<MQStationPlugin> StationPlugin;
typedef Resident<MQCommandPlugin> CommandPlugin;

std::unique_ptr<MQBasePlugin> g_plugin;

struct Row {
  int kind;
  Family family;
  const char* strings[2];  // MQEnumString(0), (1)
  const char* file_type;   // MQEnumFileType(0), also MQEnumFileExt(0) with "ext"
  BOOL file;               // MQImportFile(1, 2, 3) and MQExportFile
  BOOL command;            // MQCreate(1, ...) and its other names
};

std::ostream& operator<<(std::ostream& out, const Row& row) {
  return out << "kind " << row.kind << " family " << static_cast<int>(row.family);
}

class Routing : public ::testing::TestWithParam<Row> {};

std::string Text(const char* text) { return text ? text : "(null)"; }

TEST_P(Routing, EachExportServesItsKindsOnly) {
  const Row& row = GetParam();
  g_kind = row.kind;
  switch (row.family) {
    case Family::Import: g_plugin = std::make_unique<ImportPlugin>(); break;
    case Family::Menu: g_plugin = std::make_unique<MenuPlugin>(); break;
    case Family::Station: g_plugin = std::make_unique<StationPlugin>(); break;
    case Family::Command: g_plugin = std::make_unique<CommandPlugin>(); break;
  }
  EXPECT_EQ(MQGetPlugInType(), row.kind);
  EXPECT_EQ(Text(MQEnumString(0)), Text(row.strings[0]));
  EXPECT_EQ(Text(MQEnumString(1)), Text(row.strings[1]));
  EXPECT_EQ(MQEnumString(-1), nullptr);
  EXPECT_EQ(Text(MQEnumFileType(0)), Text(row.file_type));
  EXPECT_EQ(Text(MQEnumFileExt(0)), row.file_type ? "ext" : "(null)");
  EXPECT_EQ(MQEnumFileType(1), nullptr);
  EXPECT_EQ(MQImportFile(1, 2, 3), row.file);
  EXPECT_EQ(MQExportFile(1, 2, 3), row.file);
  for (auto command : {MQCreate, MQModifyObject, MQModifySelect}) EXPECT_EQ(command(1, nullptr), row.command);
  EXPECT_EQ(MQOnEvent(nullptr, 999, nullptr), 0);
}

// The menu exports make no kind test: any menu plug-in runs the entry.
INSTANTIATE_TEST_SUITE_P(
    Kinds, Routing,
    ::testing::Values(Row{0, Family::Menu, {nullptr, nullptr}, nullptr, 0, 11},
                      Row{1, Family::Import, {nullptr, nullptr}, "type", 7, 0},
                      Row{2, Family::Import, {nullptr, nullptr}, "type", 7, 0},
                      Row{3, Family::Menu, {"menu 0", "menu 1"}, nullptr, 0, 11},
                      Row{4, Family::Menu, {"menu 0", "menu 1"}, nullptr, 0, 11},
                      Row{5, Family::Menu, {"menu 0", "menu 1"}, nullptr, 0, 11},
                      Row{6, Family::Station, {"station", nullptr}, nullptr, 0, 0},
                      Row{7, Family::Command, {"command", nullptr}, nullptr, 0, 0},
                      Row{8, Family::Station, {nullptr, nullptr}, nullptr, 0, 0},
                      // A class that does not fit its kind gets nothing from the exports.
                      Row{3, Family::Import, {nullptr, nullptr}, nullptr, 0, 0},
                      Row{1, Family::Menu, {nullptr, nullptr}, nullptr, 0, 11},
                      Row{5, Family::Station, {nullptr, nullptr}, nullptr, 0, 0},
                      Row{6, Family::Menu, {nullptr, nullptr}, nullptr, 0, 11}));

}  // namespace

MQBasePlugin* GetPluginClass() { return g_plugin.get(); }
