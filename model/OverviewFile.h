#pragma once
// Reading one overview CSV file. Its kind is given by the first line that
// carries a tag: one tag makes a manhole file, three a pipe file; any other
// file is not used.

#include <cstddef>
#include <string>
#include <string_view>

#include "OverviewTags.h"

// Is told what a file holds, in file order. The views are valid only during
// the call.
class OverviewReceiver {
 public:
  // How many lines the manhole (pipe) file about to be given has, so that
  // room can be made at once: a city's files have a million lines.
  virtual void ExpectManholeLines(std::size_t) {}
  virtual void ExpectPipeLines(std::size_t) {}
  virtual void ManholeTag(const OverviewTagView& tag) = 0;
  virtual void PipeLine(const OverviewTagView& pipe, const OverviewTagView& first, const OverviewTagView& second) = 0;

 protected:
  ~OverviewReceiver() = default;
};

// Gives every tag of a manhole file, and one pipe line per line of a pipe
// file that has at least three tags (the first three). A file that cannot be
// opened, or is of neither kind, gives nothing.
void ReadOverviewFile(const std::wstring& path, OverviewReceiver& receiver);
// The same for the bytes of a file already in memory.
void ReadOverviewText(std::string_view bytes, OverviewReceiver& receiver);

// The files are ANSI text from spreadsheet exports, taken as Windows-1252,
// unless the whole file is valid UTF-8.
bool IsUtf8Text(std::string_view bytes);
// A piece of such a file (a line), decoded as the file's kind of text says,
// into `text`, whose room is reused from line to line.
void DecodeOverviewText(std::string_view bytes, bool utf8, std::wstring& text);
