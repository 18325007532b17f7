#include "KeyValuePair.h"

#include <exception>
#include <utility>

#include "FeatureXml.h"

KeyValuePair::KeyValuePair(std::wstring key, CWsFeature value) : key_(std::move(key)), value_(std::move(value)) {}

XmlElement KeyValuePair::WriteElement(XmlDocument& document, XmlElement parent) const {
  if (parent.IsNull()) return XmlElement();
  XmlElement element = document.createElement("KeyValuePair");
  parent.appendChild(element);
  element.setAttribute("Key", key_);
  WriteFeature(element, value_);
  return element;
}

void KeyValuePair::ReadElement(const XmlElement& element) {
  if (element.IsNull()) return;
  try {
    if (auto key = element.getAttribute("Key")) key_ = *key;
    ReadFeature(element, value_);
  } catch (const XmlError&) {
    throw;  // a broken number makes the whole file unusable; the reader decides
  } catch (const std::exception&) {
  }
}
