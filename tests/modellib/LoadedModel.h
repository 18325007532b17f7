#pragma once
// Loads a model file the way the export run does (visitor, set, mapping) and
// keeps every set for the test.

#include <filesystem>
#include <memory>
#include <string>

#include "LmWSModel.h"

struct LoadedModel : LmWSModelSets {
  int composites = -1;  // -1: no set was made

  bool Loaded() const { return composites >= 0; }
  const LwtTrenchPath* Path(int index) const;
  // The device with that persistent id, or null.
  const LwdDevice* Device(int persistentId) const;
};

// Null set (and no mapping) when the factory gives no visitor, the reader does
// not open or makeObject refuses the file.
LoadedModel LoadModel(const std::filesystem::path& file);
// A model file of `children`, which start on its third line.
std::string ModelText(const std::string& children);
