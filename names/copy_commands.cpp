// "copy ObjectNames" and "copy MaterialNames": the names of the targets, each
// followed by its line end, put on the clipboard as one text, with room for a
// whole name buffer for each; what precedes the name's NUL stays, and the line
// end follows it.
#include "Tagkeeper.h"
#include "clipboard_text.h"
#include "cmq_object.h"
#include "host_table.h"
#include "target_list.h"

namespace {

// Puts the names of the targets on the clipboard: fetch(index) gives the
// handle of a target, fill(handle, room) lets the host write its name
// straight into the clipboard's block, so that the text is never held twice.
template <class Fetch, class Fill>
void CopyNames(const TargetList& targets, Fetch&& fetch, Fill&& fill, const char* line_end, size_t line_end_size) {
  ClipboardText text(targets.size() * 16);
  for (int index : targets) {
    char* room = text.Room(kNameBufferSize + line_end_size);
    if (room == nullptr) break;  // memory ran out: nothing is handed over
    fill(fetch(index), room);
    const size_t size = NameSize(room);
    for (size_t i = 0; i < line_end_size; ++i) room[size + i] = line_end[i];
    text.Advance(size + line_end_size);
  }
  text.Write(NameEncoding::InForce());
}

}  // namespace

bool Tagkeeper::CopyObjectNames() {
  CopyNames(
      BuildObjectTargets(document_), [&](int index) { return GetObjectHandle(document_, index); },
      [](const cmq::CMQObject& object, char* room) { object.FillNameBuffer(room); }, "\n", 1);
  return true;
}

bool Tagkeeper::CopyMaterialNames() {
  CopyNames(
      BuildMaterialTargets(document_), [&](int index) { return host::Table().MQDoc_GetMaterial(document_, index); },
      [](MQMaterial material, char* room) { FillMaterialNameBuffer(material, room); }, "\r\n", 2);
  return true;
}
