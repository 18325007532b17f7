#include "SOSIMapperDataReader.h"

#include "KeyValuePair.h"
#include "SOSIMapperDataElements.h"
#include "WinText.h"

namespace {

template <size_t N>
void ReadTextElements(const XmlElement& root, const std::array<SOSIMapperTextElement, N>& elements,
                      SOSIMapperData& data) {
  for (const auto& [name, field] : elements) {
    XmlElement element = root.selectSingleNode(name);
    if (!element.IsNull()) data.*field = element.text();
  }
}

// `load` fills the document; false when it cannot.
template <typename Load>
std::unique_ptr<SOSIMapperData> ReadSettings(Load load) {
  XmlDocument document;
  if (document.Create() != kXmlOk) return nullptr;
  document.PrepareForReading();
  if (!load(document)) return nullptr;
  XmlNodeList roots = document.selectNodes(kSOSIMapperDataElement);
  if (roots.length() != 1) return nullptr;
  XmlElement root(roots.item(0));
  if (root.IsNull()) return nullptr;

  auto data = std::make_unique<SOSIMapperData>();
  ReadTextElements(root, kHeaderTextElements, *data);
  XmlElement fileFormat = root.selectSingleNode(kFileFormatElement);
  if (!fileFormat.IsNull()) {
    const std::wstring text = fileFormat.text();
    if (!text.empty()) data->FileFormat = platform::WToI(text);
  }
  ReadTextElements(root, kStatusTextElements, *data);
  for (const auto& [name, field] : kTableElements) {
    const XmlNodeList tables = root.selectNodes(name);
    ReadFeatureTables(&tables, (*data).*field);
  }
  return data;
}

}  // namespace

// A number that does not convert, or the XML component failing, makes the
// file as unusable as a malformed one.
std::unique_ptr<SOSIMapperData> LoadSOSIMapperData(const std::wstring& path) {
  if (path.empty()) return nullptr;
  try {
    return ReadSettings([&path](XmlDocument& document) { return document.load(CompleteXmlPath(path)); });
  } catch (...) {
    return nullptr;
  }
}

std::unique_ptr<SOSIMapperData> LoadSOSIMapperDataText(std::string_view bytes) {
  try {
    return ReadSettings([bytes](XmlDocument& document) { return document.loadText(bytes); });
  } catch (...) {
    return nullptr;
  }
}

bool ReadFeatureTables(const XmlNodeList* elements, FeatureTablesByFormat& tables) {
  if (elements == nullptr) return false;
  int fileMode = 0;
  bool taken = false;
  KeyValuePair pair;  // one for the whole list: a pair without Key keeps the key before it
  for (long i = 0; i < elements->length(); ++i) {
    const XmlElement element(elements->item(i));
    if (auto mode = element.getAttribute("FileMode")) fileMode = XmlToInt32(*mode);
    if (fileMode < 0) continue;
    FeatureTable table;
    const XmlNodeList pairs = element.selectNodes("KeyValuePair");
    for (long k = 0; k < pairs.length(); ++k) {
      pair.ReadElement(XmlElement(pairs.item(k)));
      table[pair.Key()] = pair.Value();
    }
    tables[fileMode] = std::move(table);
    taken = true;
  }
  return taken;
}
