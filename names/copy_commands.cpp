// "copy ObjectNames" and "copy MaterialNames": the names of the targets, each
// followed by its line end, put on the clipboard as one text.
#include "Tagkeeper.h"
#include "clipboard_text.h"
#include "cmq_object.h"
#include "host_table.h"
#include "target_list.h"

// Room for typical names up front, so that long lists grow the text rarely.
constexpr size_t kTypicalLine = 16;

bool Tagkeeper::CopyObjectNames() {
  const TargetList targets = BuildObjectTargets(document_);
  std::string text;
  text.reserve(targets.size() * kTypicalLine);
  for (int index : targets) {
    text += GetObjectHandle(document_, index).GetName();
    text += '\n';
  }
  WriteClipboardText(text);
  return true;
}

bool Tagkeeper::CopyMaterialNames() {
  const TargetList targets = BuildMaterialTargets(document_);
  std::string text;
  text.reserve(targets.size() * kTypicalLine);
  for (int index : targets) {
    text += GetMaterialName(host::Table().MQDoc_GetMaterial(document_, index));
    text += "\r\n";
  }
  WriteClipboardText(text);
  return true;
}
