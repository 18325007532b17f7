#include "FeatureXml.h"

bool ReadFeature(const XmlElement& element, CWsFeature& feature) {
  feature.Clear();
  if (element.IsNull()) return false;
  bool complete = true;
  if (auto name = element.getAttribute("Name")) {
    feature.Feature(*name);
  } else {
    complete = false;
  }
  if (auto description = element.getAttribute("Description")) {
    feature.Description(*description);
  } else {
    complete = false;
  }
  if (auto group = element.getAttribute("Group")) {
    feature.Group(XmlToInt32(*group));
  }
  return complete;
}

XmlElement WriteFeature(XmlElement element, const CWsFeature& feature) {
  if (feature.Feature().empty()) return XmlElement();
  element.setAttribute("Name", feature.Feature());
  element.setAttribute("Description", feature.Description());
  if (feature.Group() >= 0) element.setAttribute("Group", feature.Group());
  return element;
}
