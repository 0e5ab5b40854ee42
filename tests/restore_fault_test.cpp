// A restore whose allocations fail, one after another: whichever fails, the
// restore either changes no name or completes; no target is left with the
// temporary name. This program replaces operator new to make them fail.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "document.h"
#include "export_list.h"
#include "host_clipboard.h"
#include "hosted_test.h"
#include "menu_list.h"
#include "temporary_name.h"

namespace {

size_t g_allocations = 0;  // since counting began
size_t g_failing = 0;      // the allocation that fails, from 1; 0 for none
bool g_counting = false;

void* Allocate(size_t size) {
  if (g_counting && ++g_allocations == g_failing) throw std::bad_alloc();
  if (void* block = std::malloc(size ? size : 1)) return block;
  throw std::bad_alloc();
}

}  // namespace

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept {
  try {
    return Allocate(size);
  } catch (...) {
    return nullptr;
  }
}
void* operator new[](size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, size_t) noexcept { std::free(block); }
void operator delete[](void* block, size_t) noexcept { std::free(block); }

namespace {

const std::string kTemporary = kTemporaryName;

class FailingAllocations : public testsupport::HostedTest {
 protected:
  // Swaps, clashes with a non-target, an empty line and a long line.
  void Fill(testhost::Document& scene) {
    for (const char* name : {"P", "Q", "R", "Box", "S"}) scene.AddObject(name, 0, false, 1);
    scene.AddObject("Box1", 0, false, 0);
    // Long names that fill the restore's first 64 KiB of name storage to its
    // last few bytes, so that the names the passes add need room made before.
    for (int i = 0; i < 262; ++i) scene.AddObject(std::string(240, 'z') + std::to_string(100000000 + i), 0, false, 0);
    for (const char* name : {"M", "N", "Box"}) scene.AddMaterial(name, 1);
    // The host keeps names in place, so that its own calls allocate nothing.
    for (int i = 0; i < scene.object_count(); ++i) scene.object(i)->name.reserve(kLongestName);
    for (int i = 0; i < scene.material_count(); ++i) scene.material(i)->name.reserve(kLongestName);
  }
  // Runs entry index with the allocation failing (0: none); the allocations made.
  size_t Run(testhost::Document& scene, int index, size_t failing) {
    g_allocations = 0;
    g_failing = failing;
    g_counting = true;
    MQModifySelect(index, scene.handle());
    g_counting = false;
    return g_allocations;
  }
  // With a long line every name read counts; without, only those on the
  // lines' chains (here the long names' too).
  const std::vector<std::string> texts_ = {"Q\nP\nBox\n\n" + std::string(300, 'L') + "\n",
                                           "Q\nP\nBox\n\n" + std::string(240, 'z') + "7\n"};
};

TEST_F(FailingAllocations, NoNameIsLostWhicheverFails) {
  log().enabled = false;
  for (const std::string& text : texts_) {
    for (int index : {kMenuRestoreObjectNames, kMenuRestoreMaterialNames}) {
      const bool materials = index == kMenuRestoreMaterialNames;
      const auto names = [&](const testhost::Document& d) { return materials ? d.MaterialNames() : d.ObjectNames(); };
      testhost::Document clean;
      Fill(clean);
      const auto before = names(clean);
      ASSERT_TRUE(testhost::PutClipboardText(text));
      const size_t allocations = Run(clean, index, 0);
      const auto done = names(clean);
      ASSERT_NE(done, before);
      ASSERT_GT(allocations, 0u);
      for (size_t failing = 1; failing <= allocations; ++failing) {
        testhost::Document scene;
        Fill(scene);
        ASSERT_TRUE(testhost::PutClipboardText(text));
        Run(scene, index, failing);
        const auto after = names(scene);
        EXPECT_TRUE(after == before || after == done) << "allocation " << failing << " of " << allocations;
        for (const std::string& name : after) EXPECT_NE(name, kTemporary) << "allocation " << failing;
      }
    }
  }
  log().enabled = true;
}

}  // namespace
