#pragma once
// One entry of a mapping table as the settings file holds it: a model value
// and the SOSI code chosen for it. Used only while a table is read or written.

#include <string>

#include "CWsFeature.h"
#include "XmlAccess.h"

class KeyValuePair {
 public:
  KeyValuePair() = default;
  KeyValuePair(std::wstring key, CWsFeature value);

  std::wstring Key() const { return key_; }
  CWsFeature Value() const { return value_; }

  // Appends a KeyValuePair element with Key and the feature's attributes as
  // the last child of `parent`; gives that element (null without a parent).
  virtual XmlElement WriteElement(XmlDocument& document, XmlElement parent) const;
  // Takes Key when present (otherwise the key read before stays) and reads
  // the feature afresh. A non-number Group raises XmlError; any other
  // standard-library error ends the reading silently with what was read.
  virtual void ReadElement(const XmlElement& element);

  // Declared after the two operations so that they keep the first two slots.
  virtual ~KeyValuePair() = default;
  KeyValuePair(const KeyValuePair&) = default;
  KeyValuePair& operator=(const KeyValuePair&) = default;

 private:
  std::wstring key_;
  CWsFeature value_;
};
