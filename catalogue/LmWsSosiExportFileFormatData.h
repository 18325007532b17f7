#pragma once
// One SOSI file format variant of the catalogue "SOSIExport.FileFormats.xml":
// its names and the column headers of the mapping pages. A variant is known
// everywhere by its position in the catalogue (the file format value).

#include <string>
#include <string_view>
#include <vector>

#include "XmlAccess.h"

class LmWsSosiExportFileFormatData {
 public:
  // A value type with a virtual reader: copies and moves stay as the
  // compiler makes them, and the destructor is virtual with the reader.
  LmWsSosiExportFileFormatData() = default;
  virtual ~LmWsSosiExportFileFormatData() = default;
  LmWsSosiExportFileFormatData(const LmWsSosiExportFileFormatData&) = default;
  LmWsSosiExportFileFormatData& operator=(const LmWsSosiExportFileFormatData&) = default;
  LmWsSosiExportFileFormatData(LmWsSosiExportFileFormatData&&) = default;
  LmWsSosiExportFileFormatData& operator=(LmWsSosiExportFileFormatData&&) = default;

  int Index = 0;
  std::wstring Name = L"SOSISImplified";
  std::wstring DisplayName = L"SOSI, Simplified";
  std::wstring PipeTabHeader1 = L"LEDNING";
  std::wstring PipeTabHeader2 = L"Header 2";
  std::wstring PipeTabHeader3 = L"Header 3";
  std::wstring PipeTabHeader4 = L"SKJØTEMETODE";
  std::wstring PipeTabHeader5 = L"TILFØRSEL";
  std::wstring ConnectionTabHeader1 = L"Header 1";
  std::wstring ConnectionTabHeader2 = L"Header 2";
  std::wstring ConnectionTabHeader3 = L"Header 3";
  std::wstring ConnectionTabHeader4 = L"BYGGEMETODE";
  std::wstring PipeMaterialTabHeader1 = L"FRA MATERIALE I MODELLEN";
  std::wstring PipeMaterialTabHeader2 = L"TIL MATERIALER I SOSI";
  std::wstring PipeMaterialTabHeader3 = L"TIL PRODUKTSTANDARD I SOSI";

  // Overwrites the fields the FileFormat element gives; a null element
  // changes nothing.
  virtual void ReadFromXml(const XmlElement& element);

  friend bool operator==(const LmWsSosiExportFileFormatData&, const LmWsSosiExportFileFormatData&) = default;
};

using FileFormatCatalogue = std::vector<LmWsSosiExportFileFormatData>;

// Replaces the catalogue with the variants of the file at `path` (".xml" added
// when the name has no extension). False, with the catalogue unchanged, when
// the file cannot be used.
bool LoadFileFormats(FileFormatCatalogue& catalogue, const std::wstring& path);
// The same for the bytes of a catalogue file already in memory.
bool LoadFileFormatsText(FileFormatCatalogue& catalogue, std::string_view bytes);
