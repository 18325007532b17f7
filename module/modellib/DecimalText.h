#pragma once
// Numbers of a model file, read exactly as std::from_chars reads them, but
// faster for the plain decimals that coordinates are ("597040.08").

#include <string_view>

// False, and `value` unchanged, when `text` as a whole is not a number in
// from_chars' general format.
bool ReadDecimal(std::string_view text, double& value);
