#pragma once
// The .HODE group of the files we write: character set, coordinate system
// and units, the area covered, the SOSI version, and the run's header values.

#include <string>

#include "SosiExtent.h"
#include "SosiFileWriter.h"
#include "SosiLayout.h"

struct SosiHeader {
  int coordinateSystem = 0;  // ...KOORDSYS code
  std::wstring datum;
  std::wstring projection;
  std::wstring verticalDatum;  // ...VERT-DATUM, left out when empty
  bool heights = false;        // ...ENHET-H only when some object has heights
  SosiExtent extent;
  std::wstring quality;  // one-line ..KVALITET tokens, or empty
  std::wstring mapId;
  std::wstring owner;
  std::wstring producer;
  // Network level, status and year, written as the layout says.
  SosiValues values;
};

void WriteSosiHeader(SosiFileWriter& writer, const SosiHeader& header, const SosiLayout& layout);
