#include <gtest/gtest.h>

#include "AcDocManager.h"
#include "AcRxRuntime.h"

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

