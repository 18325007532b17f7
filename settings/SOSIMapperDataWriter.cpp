#include "SOSIMapperDataWriter.h"

#include <charconv>
#include <optional>

#include "KeyValuePair.h"
#include "SOSIMapperDataElements.h"

namespace {

std::wstring DecimalText(int value) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return std::wstring(digits, end);
}

template <size_t N>
void WriteTextElements(const SOSIMapperData& data, const std::array<SOSIMapperTextElement, N>& elements,
                       XmlDocument& document, XmlElement root) {
  for (const auto& [name, field] : elements) WriteTextElement(data.*field, name, &document, root);
}

bool BuildSettingsDocument(const SOSIMapperData& data, XmlDocument& document) {
  if (document.Create() != kXmlOk) return false;
  XmlElement root = document.createElement(kSOSIMapperDataElement);
  if (root.IsNull()) return false;
  document.appendChild(root);
  root.setAttribute("xmlns:xsd", L"http://www.w3.org/2001/XMLSchema");
  root.setAttribute("xmlns:xsi", L"http://www.w3.org/2001/XMLSchema-instance");

  WriteTextElements(data, kHeaderTextElements, document, root);
  WriteTextElement(DecimalText(data.FileFormat), kFileFormatElement, &document, root);
  WriteTextElements(data, kStatusTextElements, document, root);
  for (const auto& [name, field] : kTableElements) WriteFeatureTables(data.*field, name, &document, root);
  return true;
}

bool WriteSettingsFile(const SOSIMapperData& data, const std::wstring& path) {
  const std::wstring target = CompleteXmlPath(path);
  if (target.empty()) return false;
  XmlDocument document;
  return BuildSettingsDocument(data, document) && document.save(target) == kXmlOk;
}

}  // namespace

bool SaveSOSIMapperData(const SOSIMapperData& data, const std::wstring& path) {
  try {
    return WriteSettingsFile(data, path);
  } catch (...) {
    return false;
  }
}

std::optional<std::string> SOSIMapperDataText(const SOSIMapperData& data) {
  try {
    XmlDocument document;
    if (BuildSettingsDocument(data, document)) return document.ToUtf8String();
  } catch (...) {
  }
  return std::nullopt;
}

void WriteTextElement(const std::wstring& value, const char* name, XmlDocument* document, XmlElement parent) {
  if (document == nullptr || parent.IsNull()) return;
  XmlElement element = document->createElement(name);
  parent.appendChild(element);
  element.appendChild(document->createTextNode(value));
}

void WriteFeatureTables(const FeatureTablesByFormat& tables, const char* name, XmlDocument* document,
                        XmlElement parent) {
  if (document == nullptr || parent.IsNull()) return;
  for (const auto& [fileMode, table] : tables) {
    XmlElement element = document->createElement(name);
    parent.appendChild(element);
    element.setAttribute("FileMode", fileMode);
    for (const auto& [key, feature] : table) KeyValuePair(key, feature).WriteElement(*document, element);
  }
}
