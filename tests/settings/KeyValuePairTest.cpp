#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <new>

#include "KeyValuePair.h"
#include "TempDir.h"

// Allocation failure injection: while armed, any allocation larger than the
// limit fails as memory exhaustion would.
namespace {
size_t failAbove = 0;
}

void* operator new(size_t size) {
  if (failAbove != 0 && size > failAbove) throw std::bad_alloc();
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

namespace {

class KeyValuePairXml : public ::testing::Test {
 protected:
  // Parses `xml` and gives its document element.
  XmlElement Parse(const std::string& xml) {
    EXPECT_EQ(document.Create(), kXmlOk);
    EXPECT_TRUE(document.load(dir.Write("kv.xml", xml).wstring()));
    return document.documentElement();
  }
  XmlElement Child(const XmlElement& parent, long index) { return XmlElement(parent.selectNodes("KeyValuePair").item(index)); }

  TempDir dir;
  XmlDocument document;
};

// Itanium C++ ABI: a pointer to a virtual member function holds 1 + its byte
// offset in the virtual table.
template <typename Member>
ptrdiff_t VirtualSlot(Member member) {
  ptrdiff_t raw = 0;
  std::memcpy(&raw, &member, sizeof raw);
  return (raw - 1) / static_cast<ptrdiff_t>(sizeof(void*));
}

}  // namespace

TEST(KeyValuePair, OperationsTakeTheFirstTwoVirtualSlots) {
  EXPECT_EQ(VirtualSlot(&KeyValuePair::WriteElement), 0);
  EXPECT_EQ(VirtualSlot(&KeyValuePair::ReadElement), 1);
}

TEST_F(KeyValuePairXml, ReadElementKeepsThePreviousKeyButNeverThePreviousFeature) {
  XmlElement r = Parse("<R><KeyValuePair Key='Støp' Name='BET' Description='Betong' Group='7'/>"
                       "<KeyValuePair Name='PE'/><KeyValuePair/></R>");
  KeyValuePair pair;
  pair.ReadElement(Child(r, 0));
  EXPECT_EQ(pair.Key(), L"Støp");
  EXPECT_EQ(pair.Value(), CWsFeature(L"BET", L"Betong", 7));
  pair.ReadElement(Child(r, 1));
  EXPECT_EQ(pair.Key(), L"Støp");
  EXPECT_EQ(pair.Value(), CWsFeature(L"PE", L""));
  pair.ReadElement(Child(r, 2));
  EXPECT_EQ(pair.Value(), CWsFeature());
  pair.ReadElement(Child(r, 0));
  pair.ReadElement(XmlElement());
  EXPECT_EQ(pair.Value(), CWsFeature(L"BET", L"Betong", 7));
}

TEST_F(KeyValuePairXml, ReadElementEndsSilentlyWhenMemoryRunsOut) {
  const std::string huge(1 << 20, 'd');
  XmlElement r = Parse("<R><KeyValuePair Key='Ny' Name='SP' Description='" + huge + "' Group='3'/></R>");
  KeyValuePair pair(L"Gammel", CWsFeature(L"OV", L"Overvann", 1));
  failAbove = huge.size();
  EXPECT_NO_THROW(pair.ReadElement(Child(r, 0)));
  failAbove = 0;
  EXPECT_EQ(pair.Key(), L"Ny");
  EXPECT_EQ(pair.Value(), CWsFeature(L"SP", L""));
}
