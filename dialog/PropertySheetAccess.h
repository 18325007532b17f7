#pragma once
// What the pages of the export sheet may ask of it: the shared state they
// read (file format value, catalogue, code lists) and the two steps a page
// starts (filling the code lists, a change of the file format variant).

#include "LmWsSosiExportFileFormatData.h"
#include "SOSIFeatureGroupData.h"

// The file format value of the Gemini variant: its own feature group file,
// the pipe materials page, the extra columns and status fields.
inline constexpr int kGeminiFileFormat = 2;

class PropertySheetAccess {
 public:
  virtual int GetFileFormat() const = 0;
  virtual const FileFormatCatalogue& GetFileFormats() const = 0;
  virtual const SOSIFeatureGroupData& GetFeatureGroups() const = 0;
  // Fills the header page's lists and loads the mapping pages' grids and
  // drop-downs from the current code lists.
  virtual void FillCodeLists() = 0;
  // The user picked another file format variant on the header page.
  virtual void ChangeFileFormat(int value) = 0;

 protected:
  ~PropertySheetAccess() = default;
};
