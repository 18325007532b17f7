#pragma once
// The elements of the settings file and the record fields they hold, in the
// order the writer puts them. FileFormat stands between the header texts and
// the status texts.

#include <array>
#include <string>

#include "SOSIMapperData.h"

struct SOSIMapperTextElement {
  const char* name;
  std::wstring SOSIMapperData::*field;
};

struct SOSIMapperTableElement {
  const char* name;
  FeatureTablesByFormat SOSIMapperData::*field;
};

inline constexpr const char* kSOSIMapperDataElement = "SOSIMapperData";
inline constexpr const char* kFileFormatElement = "FileFormat";

inline constexpr std::array<SOSIMapperTextElement, 11> kHeaderTextElements{{
    {"FileName", &SOSIMapperData::FileName},
    {"CoordinateSystem", &SOSIMapperData::CoordinateSystem},
    {"Projection", &SOSIMapperData::Projection},
    {"Date", &SOSIMapperData::Date},
    {"Quality", &SOSIMapperData::Quality},
    {"MapId", &SOSIMapperData::MapId},
    {"Producer", &SOSIMapperData::Producer},
    {"Owner", &SOSIMapperData::Owner},
    {"Year", &SOSIMapperData::Year},
    {"NetLevel", &SOSIMapperData::NetLevel},
    {"Status", &SOSIMapperData::Status},
}};

inline constexpr std::array<SOSIMapperTextElement, 4> kStatusTextElements{{
    {"StatusPipe", &SOSIMapperData::StatusPipe},
    {"StatusConnection", &SOSIMapperData::StatusConnection},
    {"GeometryQualityXY", &SOSIMapperData::GeometryQualityXY},
    {"GeometryQualityZ", &SOSIMapperData::GeometryQualityZ},
}};

inline constexpr std::array<SOSIMapperTableElement, 9> kTableElements{{
    {"PipeTypes", &SOSIMapperData::PipeTypes},
    {"PipeUsage", &SOSIMapperData::PipeUsage},
    {"PipeMethod", &SOSIMapperData::PipeMethod},
    {"PipeSupply", &SOSIMapperData::PipeSupply},
    {"ConnectionTypes", &SOSIMapperData::ConnectionTypes},
    {"ConnectionUsage", &SOSIMapperData::ConnectionUsage},
    {"ConnectionMethod", &SOSIMapperData::ConnectionMethod},
    {"PipeMaterials", &SOSIMapperData::PipeMaterials},
    {"PipeMaterialsProductStandard", &SOSIMapperData::PipeMaterialsProductStandard},
}};
