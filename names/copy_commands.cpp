// "copy ObjectNames" and "copy MaterialNames": the names of the targets, each
// followed by its line end, put on the clipboard as one text.
#include "Tagkeeper.h"
#include "clipboard_text.h"
#include "cmq_object.h"
#include "host_table.h"
#include "target_list.h"

bool Tagkeeper::CopyObjectNames() {
  std::string text;
  for (int index : BuildObjectTargets(document_)) {
    text += GetObjectHandle(document_, index).GetName();
    text += '\n';
  }
  WriteClipboardText(text);
  return true;
}

bool Tagkeeper::CopyMaterialNames() {
  std::string text;
  for (int index : BuildMaterialTargets(document_)) {
    text += GetMaterialName(host::Table().MQDoc_GetMaterial(document_, index));
    text += "\r\n";
  }
  WriteClipboardText(text);
  return true;
}
