#pragma once
// The export settings of one run: the header values of the SOSI file, the
// file format variant, and per variant the nine tables that map model values
// onto SOSI codes. A user who switches variants keeps each variant's tables.

#include <string>

#include "FeatureTable.h"

class SOSIMapperData {
 public:
  std::wstring FileName;
  std::wstring CoordinateSystem = L"3";
  std::wstring Projection = L"UTM";
  std::wstring Date = L"Euref 89";
  std::wstring Quality = L"20 2 2";
  std::wstring MapId = L"Lumiro VA";
  std::wstring Producer;
  std::wstring Owner;
  std::wstring Year;
  std::wstring NetLevel;
  std::wstring Status;
  std::wstring StatusPipe;
  std::wstring StatusConnection;
  std::wstring GeometryQualityXY;
  std::wstring GeometryQualityZ;
  int FileFormat = 1;
  FeatureTablesByFormat PipeTypes;
  FeatureTablesByFormat PipeUsage;
  FeatureTablesByFormat PipeMethod;
  FeatureTablesByFormat PipeSupply;
  FeatureTablesByFormat ConnectionTypes;
  FeatureTablesByFormat ConnectionUsage;
  FeatureTablesByFormat ConnectionMethod;
  FeatureTablesByFormat PipeMaterials;
  FeatureTablesByFormat PipeMaterialsProductStandard;

  // The table of the current FileFormat, or null when none is stored. Never
  // creates an entry.
  FeatureTable* CurrentPipeTypes() { return Current(PipeTypes); }
  FeatureTable* CurrentPipeUsage() { return Current(PipeUsage); }
  FeatureTable* CurrentPipeMethod() { return Current(PipeMethod); }
  FeatureTable* CurrentPipeSupply() { return Current(PipeSupply); }
  FeatureTable* CurrentPipeMaterials() { return Current(PipeMaterials); }
  FeatureTable* CurrentPipeMaterialsProductStandard() { return Current(PipeMaterialsProductStandard); }
  FeatureTable* CurrentConnectionTypes() { return Current(ConnectionTypes); }
  FeatureTable* CurrentConnectionUsage() { return Current(ConnectionUsage); }
  FeatureTable* CurrentConnectionMethod() { return Current(ConnectionMethod); }

  friend bool operator==(const SOSIMapperData&, const SOSIMapperData&) = default;

 private:
  FeatureTable* Current(FeatureTablesByFormat& tables) {
    auto it = tables.find(FileFormat);
    return it == tables.end() ? nullptr : &it->second;
  }
};
