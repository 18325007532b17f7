#include "SosiHeader.h"

#include <string>
#include <vector>

#include "SosiUnits.h"

namespace {

std::wstring Corner(long long north, long long east) {
  return sosi_units::Decimal(north) + L" " + sosi_units::Decimal(east);
}

}  // namespace

void WriteSosiHeader(SosiFileWriter& writer, const SosiHeader& header, const SosiLayout& layout) {
  writer.BeginHeader();
  writer.Tokens(2, L"TEGNSETT", L"ISO8859-10");
  writer.Element(2, L"TRANSPAR");
  // Datum and projection follow the code as FYBA reads them; "*" holds the
  // datum's place when only the projection is given.
  std::wstring code = sosi_units::Decimal(header.coordinateSystem);
  std::vector<std::wstring_view> names;
  if (!header.datum.empty()) {
    names.push_back(header.datum);
  } else if (!header.projection.empty()) {
    code += L" *";
  }
  if (!header.projection.empty()) names.push_back(header.projection);
  writer.Values(3, L"KOORDSYS", code, names);
  writer.Tokens(3, L"ORIGO-NØ", L"0 0");
  writer.Tokens(3, L"ENHET", sosi_units::kUnitText);
  if (header.heights) writer.Tokens(3, L"ENHET-H", sosi_units::kUnitText);
  if (!header.verticalDatum.empty()) writer.Text(3, L"VERT-DATUM", header.verticalDatum);
  writer.Element(2, L"OMRÅDE");
  writer.Tokens(3, L"MIN-NØ", Corner(header.extent.MinNorth(), header.extent.MinEast()));
  writer.Tokens(3, L"MAX-NØ", Corner(header.extent.MaxNorth(), header.extent.MaxEast()));
  writer.Tokens(2, L"SOSI-VERSJON", L"4.0");
  writer.Tokens(2, L"SOSI-NIVÅ", L"2");
  if (!header.mapId.empty()) {
    writer.Element(2, L"INNHOLD");
    writer.Text(3, L"PRODUKTSPEK", header.mapId);
  }
  if (!header.owner.empty()) writer.Text(2, L"EIER", header.owner);
  if (!header.producer.empty()) writer.Text(2, L"PRODUSENT", header.producer);
  if (!header.quality.empty()) writer.Tokens(2, L"KVALITET", header.quality);
  WriteElements(writer, layout.header, header.values);
}
