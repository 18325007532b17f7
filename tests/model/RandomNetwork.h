#pragma once
// Seeded random networks for comparing the fast model access code with the
// reference: small coordinates on a grid (so that distances tie and points
// fall on vertices), a small pool of names (so that tags repeat), streets of
// connected segments listed in shuffled order and orientation, shared and
// missing point objects, several trench paths with random selections, and
// overview files of every kind.

#include <string>
#include <vector>

#include "ModelXml.h"

struct RandomCase {
  testnet::Network network;
  std::vector<int> selectedIds;
  std::vector<std::string> overviewFiles;  // file contents, in the order to read them
};

RandomCase MakeRandomCase(unsigned seed);
