#pragma once
// The .HODE group of the files we write: character set, coordinate system
// and units, the area covered, the SOSI version, and who made the file. It
// holds items of the file only; the values of objects are on the objects.

#include <string>

#include "SosiExtent.h"
#include "SosiFileWriter.h"

struct SosiHeader {
  int coordinateSystem = 0;  // ...KOORDSYS code
  std::wstring datum;        // SOSI token (EUREF89), or empty
  std::wstring projection;   // SOSI token (UTM), or empty
  // ...ENHET-H and ...VERT-DATUM (a SOSI token) only when some object has heights.
  bool heights = false;
  std::wstring verticalDatum;
  SosiExtent extent;
  std::wstring quality;  // one-line ..KVALITET tokens, or empty
  std::wstring mapId;
  std::wstring owner;
  std::wstring producer;
};

void WriteSosiHeader(SosiFileWriter& writer, const SosiHeader& header);
