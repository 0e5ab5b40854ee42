#pragma once
// The stand-in host's document: objects and materials with names and the
// integer attributes the plug-in reads. Handles given to the plug-in are
// pointers to these records.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host_types.h"

namespace testhost {

class Document;

struct Object {
  std::string name;
  int depth = 0;
  int folded = 0;
  int selected = 0;
  Document* owner = nullptr;  // null for an object the document does not own
  int index = -1;
};

struct Material {
  std::string name;
  int selected = 0;
  Document* owner = nullptr;
  int index = -1;
};

class Document {
 public:
  Document() = default;
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  // Appends at the next index and returns that index.
  int AddObject(const std::string& name, int depth = 0, bool folded = false, int selected = 0);
  int AddAbsentObject();
  // An object the document hands out but does not own (its index reads -1).
  int AddForeignObject(const std::string& name, int depth = 0, bool folded = false, int selected = 0);
  int AddMaterial(const std::string& name, int selected = 0);
  int AddAbsentMaterial();

  int object_count() const { return static_cast<int>(objects_.size()); }
  int material_count() const { return static_cast<int>(materials_.size()); }
  // Null for an index that holds nothing or is out of range.
  Object* object(int index) const;
  Material* material(int index) const;
  bool is_foreign(int index) const;

  // A faulty host for tests: name reads fill the whole buffer and write no NUL.
  bool fill_name_buffers = false;
  // A host that keeps names unique, for tests: it keeps another name than it
  // is given where another of the document's objects (materials) holds it
  // (UniqueName).
  bool unique_names = false;
  // Called with the index and the new name before a name is set through the
  // host functions (for tests that watch every rename as it happens).
  std::function<void(int index, const std::string& name)> on_object_rename, on_material_rename;

  MQDocument handle() { return reinterpret_cast<MQDocument>(this); }
  static Document* From(MQDocument doc) { return reinterpret_cast<Document*>(doc); }

  // Object and material names in index order; absent entries read "".
  std::vector<std::string> ObjectNames() const;
  std::vector<std::string> MaterialNames() const;
  // Whether index holds an object (material) of the document's own.
  std::vector<bool> OwnObjects() const;
  std::vector<bool> OwnMaterials() const;

 private:
  std::vector<Object*> objects_;  // null where the index holds no object
  std::vector<std::unique_ptr<Object>> owned_objects_;
  std::vector<std::unique_ptr<Object>> foreign_objects_;
  std::vector<std::unique_ptr<Material>> materials_;  // null where absent
};

// name as the host keeps it: cut to kLongestName bytes on a whole character
// of the C runtime's locale (where a byte starts no character, on the byte),
// as the plug-in cuts names.
std::string KeptName(const std::string& name);

// The name that a host keeping names unique keeps for index when given name:
// the name cut to kLongestName, or where one of names other than index's
// (those own) holds that, the name followed by the smallest number from 2 on
// that none holds, cut likewise.
std::string UniqueName(const std::vector<std::string>& names, const std::vector<bool>& own, int index,
                       const std::string& name);

}  // namespace testhost
