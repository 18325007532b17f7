#include "LmWsSosiExportFileFormatData.h"

namespace {

// Sets `field` from the text of the first child element called `name`; an
// absent child leaves the field alone. True when the child was there.
bool ReadChildText(const XmlElement& parent, const char* name, std::wstring& field) {
  const XmlElement child = parent.selectSingleNode(name);
  if (child.IsNull()) return false;
  field = child.text();
  return true;
}

}  // namespace

void LmWsSosiExportFileFormatData::ReadFromXml(const XmlElement& element) {
  if (element.IsNull()) return;

  if (auto name = element.getAttribute("Name")) Name = *name;
  if (auto index = element.getAttribute("Index")) {
    // Index is informative only (the position identifies the variant), so a
    // hand-edited catalogue with a mistyped Index still loads, keeping the
    // value the record had.
    try {
      Index = XmlToInt32(*index);
    } catch (const XmlError&) {
    }
  }
  ReadChildText(element, "DisplayName", DisplayName);

  // Header1 to Header4 name a column of both the pipe and the connection
  // page; the page-specific elements read after them win.
  const struct {
    const char* name;
    std::wstring* pipe;
    std::wstring* connection;
  } sharedHeaders[] = {
      {"Header1", &PipeTabHeader1, &ConnectionTabHeader1},
      {"Header2", &PipeTabHeader2, &ConnectionTabHeader2},
      {"Header3", &PipeTabHeader3, &ConnectionTabHeader3},
      {"Header4", &PipeTabHeader4, &ConnectionTabHeader4},
  };
  for (const auto& header : sharedHeaders) {
    if (ReadChildText(element, header.name, *header.pipe)) *header.connection = *header.pipe;
  }

  const std::pair<const char*, std::wstring*> ownHeaders[] = {
      {"PipeTabHeader1", &PipeTabHeader1},
      {"PipeTabHeader2", &PipeTabHeader2},
      {"PipeTabHeader3", &PipeTabHeader3},
      {"PipeTabHeader4", &PipeTabHeader4},
      {"PipeTabHeader5", &PipeTabHeader5},
      {"ConnectionTabHeader1", &ConnectionTabHeader1},
      {"ConnectionTabHeader2", &ConnectionTabHeader2},
      {"ConnectionTabHeader3", &ConnectionTabHeader3},
      {"ConnectionTabHeader4", &ConnectionTabHeader4},
      {"PipeMaterialTabHeader1", &PipeMaterialTabHeader1},
      {"PipeMaterialTabHeader2", &PipeMaterialTabHeader2},
      {"PipeMaterialTabHeader3", &PipeMaterialTabHeader3},
  };
  for (const auto& [name, field] : ownHeaders) ReadChildText(element, name, *field);
}

namespace {

// `load` fills the document; false when it cannot.
template <typename Load>
bool ReadFileFormats(FileFormatCatalogue& catalogue, Load load) {
  XmlDocument document;
  if (document.Create() != kXmlOk) return false;
  document.PrepareForReading();
  if (!load(document)) return false;

  const XmlNodeList roots = document.selectNodes("SOSIExportFileFormats");
  if (roots.length() != 1) return false;
  const XmlElement root(roots.item(0));
  if (root.IsNull()) return false;

  // One working record for the whole file: a variant that leaves a value out
  // inherits it from the variants before it.
  LmWsSosiExportFileFormatData working;
  FileFormatCatalogue loaded;
  const XmlNodeList formats = root.selectNodes("FileFormat");
  for (long i = 0; i < formats.length(); ++i) {
    const XmlElement format(formats.item(i));
    if (format.IsNull()) continue;
    working.ReadFromXml(format);
    loaded.push_back(working);
  }
  catalogue = std::move(loaded);
  return true;
}

}  // namespace

bool LoadFileFormats(FileFormatCatalogue& catalogue, const std::wstring& path) {
  if (path.empty()) return false;
  const std::wstring completed = CompleteXmlPath(path);
  if (completed.empty()) return false;
  return ReadFileFormats(catalogue, [&completed](XmlDocument& document) { return document.load(completed); });
}

bool LoadFileFormatsText(FileFormatCatalogue& catalogue, std::string_view bytes) {
  return ReadFileFormats(catalogue, [bytes](XmlDocument& document) { return document.loadText(bytes); });
}
