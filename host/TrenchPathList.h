#pragma once
// --list-paths: the trench paths of a model as the trench path dialog would
// offer them.

#include <string>

// Prints one line per trench path (name, type, whether it can be selected);
// gives the exit code: 0, 1 when the model cannot be read, 2 without a model.
int PrintTrenchPaths(const std::string& model);
