#include <gtest/gtest.h>

#include <filesystem>

#include "AcDocManager.h"
#include "AcRxRuntime.h"
#include "TempDir.h"
#include "WinFile.h"

namespace fs = std::filesystem;

TEST(HostRuntime, RegistryHoldsTheDynamicLinker) {
  AcRxObject* entry = acrxSysRegistry()->at(L"DynamicLinker");
  ASSERT_NE(entry, nullptr);
  EXPECT_TRUE(entry->isA()->isDerivedFrom(AcRxDynamicLinker::desc()));
  EXPECT_EQ(acrxSysRegistry()->at(L"NoSuchEntry"), nullptr);
}

TEST(HostRuntime, DocumentManagerTellsEachReactorOnce) {
  struct Counter : AcApDocManagerReactor {
    int calls = 0;
    void documentToBeDestroyed(AcApDocument*) override { ++calls; }
  } reactor;
  AcApDocManager* manager = acDocManagerPtr();
  const int before = manager->numReactors();
  manager->addReactor(&reactor);
  manager->addReactor(&reactor);
  EXPECT_EQ(manager->numReactors(), before + 1);
  manager->fireDocumentToBeDestroyed(nullptr);
  manager->removeReactor(&reactor);
  manager->fireDocumentToBeDestroyed(nullptr);
  EXPECT_EQ(reactor.calls, 1);
  EXPECT_EQ(manager->numReactors(), before);
}

TEST(WinFile, RemoveDeletesWritableFilesOnly) {
  TempDir dir;
  const auto plain = dir.Write("out.sos", "x");
  EXPECT_EQ(_wremove(plain.wstring().c_str()), 0);
  EXPECT_FALSE(fs::exists(plain));

  const auto protectedFile = dir.Write("vern.sos", "keep");
  fs::permissions(protectedFile, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(_wremove(protectedFile.wstring().c_str()), -1);
  EXPECT_EQ(ReadBytes(protectedFile), "keep");

  fs::create_directory(dir.File("folder.sos"));
  EXPECT_EQ(_wremove(dir.File("folder.sos").wstring().c_str()), -1);
  EXPECT_TRUE(fs::is_directory(dir.File("folder.sos")));

  EXPECT_EQ(_wremove(dir.File("missing.sos").wstring().c_str()), -1);
  EXPECT_EQ(_wremove(nullptr), -1);
}
