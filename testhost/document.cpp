#include "document.h"

#include <cstdlib>

namespace testhost {

std::string KeptName(const std::string& name) {
  if (name.size() <= kLongestName) return name;
  std::mblen(nullptr, 0);
  size_t fitting = 0;
  while (fitting < name.size()) {
    const int size = std::mblen(name.data() + fitting, name.size() - fitting);
    const size_t next = fitting + (size > 0 ? static_cast<size_t>(size) : 1);
    if (next > kLongestName) break;
    fitting = next;
  }
  return name.substr(0, fitting);
}

int Document::AddObject(const std::string& name, int depth, bool folded, int selected) {
  owned_objects_.push_back(std::make_unique<Object>(Object{KeptName(name), depth, folded ? 1 : 0, selected, this,
                                                           object_count()}));
  objects_.push_back(owned_objects_.back().get());
  return object_count() - 1;
}

int Document::AddAbsentObject() {
  objects_.push_back(nullptr);
  return object_count() - 1;
}

int Document::AddForeignObject(const std::string& name, int depth, bool folded, int selected) {
  foreign_objects_.push_back(std::make_unique<Object>(Object{KeptName(name), depth, folded ? 1 : 0, selected, nullptr, -1}));
  objects_.push_back(foreign_objects_.back().get());
  return object_count() - 1;
}

int Document::AddMaterial(const std::string& name, int selected) {
  materials_.push_back(std::make_unique<Material>(Material{KeptName(name), selected, this, material_count()}));
  return material_count() - 1;
}

int Document::AddAbsentMaterial() {
  materials_.push_back(nullptr);
  return material_count() - 1;
}

Object* Document::object(int index) const {
  return index >= 0 && index < object_count() ? objects_[index] : nullptr;
}

Material* Document::material(int index) const {
  return index >= 0 && index < material_count() ? materials_[index].get() : nullptr;
}

bool Document::is_foreign(int index) const {
  const Object* found = object(index);
  return found != nullptr && found->owner != this;
}

std::vector<std::string> Document::ObjectNames() const {
  std::vector<std::string> names;
  for (const Object* found : objects_) names.push_back(found ? found->name : std::string());
  return names;
}

std::vector<std::string> Document::MaterialNames() const {
  std::vector<std::string> names;
  for (const auto& found : materials_) names.push_back(found ? found->name : std::string());
  return names;
}

std::vector<bool> Document::OwnObjects() const {
  std::vector<bool> own;
  for (int i = 0; i < object_count(); ++i) own.push_back(object(i) != nullptr && !is_foreign(i));
  return own;
}

std::vector<bool> Document::OwnMaterials() const {
  std::vector<bool> own;
  for (int i = 0; i < material_count(); ++i) own.push_back(material(i) != nullptr);
  return own;
}

std::string UniqueName(const std::vector<std::string>& names, const std::vector<bool>& own, int index,
                       const std::string& name) {
  const auto held = [&](const std::string& candidate) {
    for (size_t i = 0; i < names.size(); ++i) {
      if (static_cast<int>(i) != index && own[i] && names[i] == candidate) return true;
    }
    return false;
  };
  std::string kept = KeptName(name);
  for (int number = 2; held(kept); ++number) kept = KeptName(name + std::to_string(number));
  return kept;
}

}  // namespace testhost
