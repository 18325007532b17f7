#include <gtest/gtest.h>

#include "FeatureXml.h"

namespace {

// The element as the settings writer would put it into the file.
std::string Written(XmlDocument& doc, XmlElement element) {
  doc.appendChild(element);
  return doc.ToUtf8String();
}

}  // namespace

TEST(FeatureXml, FeatureWithoutCodeWritesNothing) {
  XmlDocument doc;
  ASSERT_EQ(doc.Create(), kXmlOk);
  XmlElement element = doc.createElement("KeyValuePair");
  EXPECT_TRUE(WriteFeature(element, CWsFeature(L"", L"Beskrivelse", 3)).IsNull());
  EXPECT_EQ(Written(doc, element), "<KeyValuePair/>");
}

TEST(FeatureXml, NegativeGroupIsNotWritten) {
  XmlDocument doc;
  ASSERT_EQ(doc.Create(), kXmlOk);
  XmlElement element = doc.createElement("Feature");
  EXPECT_FALSE(WriteFeature(element, CWsFeature(L"SP", L"", -1)).IsNull());
  EXPECT_EQ(Written(doc, element), "<Feature Name=\"SP\" Description=\"\"/>");
}
