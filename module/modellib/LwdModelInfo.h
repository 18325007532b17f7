#pragma once
// What a model says about itself as a whole: the namespace of its objects'
// identifiers, the height system and what its heights are of, and when its
// data were captured. Every device points at its model's one record.

#include <string>

struct LwdModelInfo {
  // What the heights of a kind of object are of.
  enum class HeightMeaning {
    Ground,   // ground level, such as a manhole's lid
    Invert,   // the inside bottom of a pipe
    Top,      // the outside top of a pipe
    ByTheme,  // top for water pipes, invert for all others
    Unknown,
  };

  std::wstring nameSpace;     // of the objects' identifiers; empty when not known
  std::wstring heightSystem;  // "NN2000", "NN54" ...; empty when the model names none
  HeightMeaning pointHeights = HeightMeaning::Ground;
  HeightMeaning pipeHeights = HeightMeaning::ByTheme;
  std::wstring captureDate;  // yyyymmdd; empty when the model gives none
};
