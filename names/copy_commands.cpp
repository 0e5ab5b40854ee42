// "copy ObjectNames" and "copy MaterialNames": the names of the targets, each
// followed by its line end, put on the clipboard as one text. The host writes
// each name straight into the clipboard's block, with room for a whole name
// buffer; what precedes the name's NUL stays, and the line end follows it.
#include "Tagkeeper.h"
#include "clipboard_text.h"
#include "cmq_object.h"
#include "host_table.h"
#include "target_list.h"

namespace {

// Puts the names of the targets on the clipboard: fetch(index) gives the
// handle of a target, fill(handle, room) lets the host write its name. The
// host calls come in the order fetch, fill, fetch, fill, ...; a name's end is
// looked for only after the next target's fetch, when the host's writes have
// settled (reading bytes just written costs a stall of the processor).
template <class Fetch, class Fill>
void CopyNames(const TargetList& targets, Fetch&& fetch, Fill&& fill, const char* line_end, size_t line_end_size) {
  ClipboardText text(targets.size() * 16);
  if (!targets.empty()) {
    auto handle = fetch(targets[0]);
    for (size_t k = 0; k < targets.size(); ++k) {
      char* room = text.Room(kNameBufferSize + line_end_size);
      if (room == nullptr) break;  // memory ran out: nothing is handed over
      fill(handle, room);
      if (k + 1 < targets.size()) handle = fetch(targets[k + 1]);
      const size_t size = NameSize(room);
      for (size_t i = 0; i < line_end_size; ++i) room[size + i] = line_end[i];
      text.Advance(size + line_end_size);
    }
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
