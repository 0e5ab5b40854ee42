#include "bench_rows.h"

#include <memory>

#include "bench_scenes.h"
#include "floor_loops.h"
#include "host_clipboard.h"
#include "menu_list.h"
#include "parse_name_list.h"

namespace bench {

namespace {

// A document that lives as long as the row's functions.
std::shared_ptr<testhost::Document> NewDocument() { return std::make_shared<testhost::Document>(); }

Row Copy(const testhost::PluginExports& plugin, bool materials, int count) {
  const std::string what = materials ? "copy MaterialNames, " : "copy ObjectNames, ";
  return {what + std::to_string(count) + " targets",
          [&plugin, materials, count](std::function<void()>& command, std::function<void()>& floor) {
            auto doc = NewDocument();
            materials ? Materials(*doc, count) : Objects(*doc, count, count);
            auto text = std::make_shared<std::string>();  // each name and its line end
            for (const std::string& name : materials ? doc->MaterialNames() : doc->ObjectNames()) {
              *text += name + (materials ? "\r\n" : "\n");
            }
            command = [&plugin, doc, materials] { plugin.MQModifySelect(materials ? kMenuCopyMaterialNames : kMenuCopyObjectNames, doc->handle()); };
            floor = [doc, materials, text] {
              materials ? CopyMaterialsFloor(doc->handle(), *text) : CopyObjectsFloor(doc->handle(), *text);
            };
          },
          1.2, 15, 0.05};
}

// objects named stem + number, the first lines.size() of them the targets.
Row Restore(const testhost::PluginExports& plugin, const std::string& label, int objects,
            const std::vector<std::string>& lines, double target, int pairs, double sample,
            const std::string& stem = "name") {
  return {label,
          [&plugin, objects, lines, stem](std::function<void()>& command, std::function<void()>& floor) {
            auto doc = NewDocument();
            Objects(*doc, objects, static_cast<int>(lines.size()), stem);
            // The restore reads the text and leaves it on the clipboard.
            testhost::PutClipboardText(TextOf(lines));
            command = [&plugin, doc] { plugin.MQModifySelect(kMenuRestoreObjectNames, doc->handle()); };
            floor = [doc, lines] { RestoreObjectsFloor(doc->handle(), lines); };
          },
          target, pairs, sample};
}

Row Parse() {
  return {"parsing 1 MB of text",
          [](std::function<void()>& command, std::function<void()>& floor) {
            auto text = std::make_shared<std::string>(TextOfSize(1 << 20));
            // The floor's lines: as the parse converts them, without their line ends.
            auto lines = std::make_shared<std::vector<std::string>>();
            for (size_t start = 0; start < text->size();) {
              const size_t end = text->find('\n', start);
              lines->push_back(text->substr(start, end - start - 1));
              start = end + 1;
            }
            command = [text] { ParseNameList(*text); };
            floor = [lines] { ParseFloor(*lines); };
          },
          1.3, 15, 0.1, false};
}

}  // namespace

std::vector<Row> Rows(const testhost::PluginExports& plugin) {
  std::vector<Row> rows;
  for (bool materials : {false, true}) {
    for (int count : {1000, 10000, 100000}) rows.push_back(Copy(plugin, materials, count));
  }
  const std::string restore = "restore ObjectNames, ";
  rows.push_back(Restore(plugin, restore + "1,000 of 1,000, no clash", 1000, FreshNames(1000), 1.2, 11, 0.25));
  rows.push_back(
      Restore(plugin, restore + "1,000 of 1,000, every entry clashing", 1000, ClashingNames(1000), 1.2, 11, 0.25));
  rows.push_back(Restore(plugin, restore + "1,000 equal lines on 1,000", 1000, EqualNames(1000), 1.2, 11, 0.25));
  rows.push_back(Restore(plugin, restore + "10,000 equal lines on 10,000", 10000, EqualNames(10000), 1.2, 9, 0));
  rows.push_back(Restore(plugin, restore + "1,000 targets in 10,000 objects", 10000, FreshNames(1000), 1.2, 11, 0.5));
  rows.push_back(Restore(plugin, restore + "10,000 targets in 100,000 objects, half equal", 100000,
                         HalfEqualNames(10000), 1.2, 9, 0.5));
  // Every object's name on an entry's chain: the restore knows them all.
  rows.push_back(Restore(plugin, restore + "10,000 targets in 100,000 objects, all named Box..", 100000,
                         HalfEqualNames(10000), 1.2, 9, 0.5, "Box"));
  rows.push_back(Parse());
  return rows;
}

}  // namespace bench
