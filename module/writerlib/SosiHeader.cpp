#include "SosiHeader.h"

#include <string>

#include "SosiUnits.h"

namespace {

std::wstring Corner(long long north, long long east) {
  return sosi_units::Decimal(north) + L" " + sosi_units::Decimal(east);
}

}  // namespace

void WriteSosiHeader(SosiFileWriter& writer, const SosiHeader& header) {
  writer.BeginHeader();
  writer.Tokens(2, L"TEGNSETT", L"ISO8859-10");
  writer.Element(2, L"TRANSPAR");
  // Datum and projection follow the code as FYBA reads them; "*" holds the
  // datum's place when only the projection is given.
  std::wstring koordsys = sosi_units::Decimal(header.coordinateSystem);
  if (!header.datum.empty() || !header.projection.empty()) {
    koordsys += L" " + (header.datum.empty() ? std::wstring(L"*") : header.datum);
  }
  if (!header.projection.empty()) koordsys += L" " + header.projection;
  writer.Tokens(3, L"KOORDSYS", koordsys);
  writer.Tokens(3, L"ORIGO-NØ", L"0 0");
  writer.Tokens(3, L"ENHET", sosi_units::kUnitText);
  if (header.heights) {
    writer.Tokens(3, L"ENHET-H", sosi_units::kUnitText);
    writer.Tokens(3, L"VERT-DATUM", header.verticalDatum);
  }
  writer.Element(2, L"OMRÅDE");
  writer.Tokens(3, L"MIN-NØ", Corner(header.extent.MinNorth(), header.extent.MinEast()));
  writer.Tokens(3, L"MAX-NØ", Corner(header.extent.MaxNorth(), header.extent.MaxEast()));
  // 4.5: the version whose ..IDENT the objects carry.
  writer.Tokens(2, L"SOSI-VERSJON", L"4.5");
  writer.Tokens(2, L"SOSI-NIVÅ", L"2");
  if (!header.mapId.empty()) {
    writer.Element(2, L"INNHOLD");
    writer.Text(3, L"PRODUKTSPEK", header.mapId);
  }
  if (!header.owner.empty()) writer.Text(2, L"EIER", header.owner);
  if (!header.producer.empty()) writer.Text(2, L"PRODUSENT", header.producer);
  if (!header.quality.empty()) writer.Tokens(2, L"KVALITET", header.quality);
}
