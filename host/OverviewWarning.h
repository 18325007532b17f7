#pragma once
// --overview files are used only by the Gemini variant and only when the
// suite's setting asks for them.

#include <string>

// The warning for overview files given to a run whose overview step will not
// run with the file format at `position`; empty when it will run.
std::string OverviewWarning(int position);
