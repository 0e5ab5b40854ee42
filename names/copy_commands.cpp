// "copy ObjectNames" and "copy MaterialNames": the names of the targets, each
// followed by its line end, put on the clipboard as one text, with room for a
// whole name buffer for each; what precedes the name's NUL stays, and the line
// end follows it.
#include <cstring>

#include "Tagkeeper.h"
#include "clipboard_text.h"
#include "item_names.h"
#include "target_list.h"

namespace {

// Puts the names of the targets on the clipboard: the host writes each name
// straight into the clipboard's block, so that the text is never held twice.
template <class Names>
void CopyNames(const Names& names, const TargetList& targets) {
  const size_t line_end_size = std::strlen(Names::kLineEnd);
  ClipboardText text(targets.size() * 16);
  for (int index : targets) {
    char* room = text.Room(kNameBufferSize + line_end_size);
    if (room == nullptr) break;  // memory ran out: nothing is handed over
    names.ReadName(names.Fetch(index), room);
    const size_t size = NameSize(room);
    std::memcpy(room + size, Names::kLineEnd, line_end_size);
    text.Advance(size + line_end_size);
  }
  text.Write(NameEncoding::InForce());
}

}  // namespace

bool Tagkeeper::CopyObjectNames() {
  CopyNames(ObjectNames{document_}, BuildObjectTargets(document_));
  return true;
}

bool Tagkeeper::CopyMaterialNames() {
  CopyNames(MaterialNames{document_}, BuildMaterialTargets(document_));
  return true;
}
