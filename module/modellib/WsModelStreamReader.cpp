#include "WsModelStreamReader.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

#include <pugixml.hpp>

#include "GmiGeodataSet.h"
#include "PieceQueue.h"
#include "SourceLines.h"
#include "WsModelXmlReader.h"
#include "XmlBlank.h"

namespace {

constexpr std::size_t kReadBytes = 4 << 20;
// Children are parsed in pieces of at least this size: big enough that a
// parser per piece costs nothing, small enough to stay out of the way.
constexpr std::size_t kPieceBytes = 1 << 20;
// The longest opening that tells one kind of markup from another: "<![CDATA[".
constexpr std::size_t kLongestOpening = 9;

constexpr auto npos = std::string_view::npos;

enum class Found { Item, NeedMore, NotTaken };

struct Step {
  Found found = Found::NotTaken;
  std::size_t end = 0;  // just past the item
};

constexpr Step kNeedMore{Found::NeedMore};
constexpr Step kNotTaken{Found::NotTaken};

Step Past(std::string_view text, std::size_t from, std::string_view terminator) {
  const std::size_t at = text.find(terminator, from);
  return at == npos ? kNeedMore : Step{Found::Item, at + terminator.size()};
}

// The characters that a start tag is scanned for: its end, a quote, and a '<'
// that no tag may hold. One table look-up per character, not four tests.
constexpr auto kInTagStops = [] {
  std::array<bool, 256> stops{};
  for (const unsigned char c : {'"', '\'', '>', '<'}) stops[c] = true;
  return stops;
}();

// A start tag at `at`: past its '>', quoted values skipped.
Step StartTag(std::string_view text, std::size_t at, bool& empty) {
  for (std::size_t i = at + 1; i < text.size(); ++i) {
    if (!kInTagStops[static_cast<unsigned char>(text[i])]) continue;
    const char c = text[i];
    if (c == '"' || c == '\'') {
      i = text.find(c, i + 1);
      if (i == npos) return kNeedMore;
    } else if (c == '>') {
      empty = text[i - 1] == '/';
      return {Found::Item, i + 1};
    } else if (c == '<') {
      return kNotTaken;
    }
  }
  return kNeedMore;
}

enum class Markup { Comment, CData, Instruction, Declaration, EndTag, StartTag };

Markup Classify(std::string_view markup) {
  if (markup.starts_with("<!--")) return Markup::Comment;
  if (markup.starts_with("<![CDATA[")) return Markup::CData;
  if (markup.starts_with("<?")) return Markup::Instruction;
  if (markup.starts_with("<!")) return Markup::Declaration;
  if (markup.starts_with("</")) return Markup::EndTag;
  return Markup::StartTag;
}

// Comments, character data and processing instructions, which may stand
// anywhere and hold any '<' and '>'.
Step Aside(std::string_view text, std::size_t at, Markup kind) {
  switch (kind) {
    case Markup::Comment:
      return Past(text, at + 4, "-->");
    case Markup::CData:
      return Past(text, at + 9, "]]>");
    case Markup::Instruction:
      return Past(text, at + 2, "?>");
    default:
      return kNotTaken;
  }
}

// The element whose start tag is at `at`, through its end tag.
Step Element(std::string_view text, std::size_t at, bool atEnd) {
  int depth = 0;
  for (std::size_t from = at;;) {
    const std::size_t open = text.find('<', from);
    if (open == npos || (!atEnd && text.size() - open < kLongestOpening)) return kNeedMore;
    const Markup kind = Classify(text.substr(open));
    Step step;
    if (kind == Markup::EndTag) {
      step = Past(text, open + 2, ">");
      --depth;
    } else if (kind == Markup::StartTag) {
      bool empty = false;
      step = StartTag(text, open, empty);
      if (!empty) ++depth;
    } else {
      step = Aside(text, open, kind);
    }
    if (step.found != Found::Item) return step;
    from = step.end;
    if (depth == 0) return step;
  }
}

// Blanks, comments and processing instructions; stops before anything else.
Step Misc(std::string_view text, std::size_t at, bool atEnd) {
  while (at < text.size()) {
    if (IsXmlBlank(text[at])) {
      ++at;
      continue;
    }
    if (text[at] != '<') break;
    if (!atEnd && text.size() - at < kLongestOpening) return kNeedMore;
    const Markup kind = Classify(text.substr(at));
    if (kind != Markup::Comment && kind != Markup::Instruction) break;
    const Step step = Aside(text, at, kind);
    if (step.found != Found::Item) return step;
    at = step.end;
  }
  if (at == text.size() && !atEnd) return kNeedMore;
  return {Found::Item, at};
}

// The part of the file read so far and not yet used up.
class Window {
 public:
  explicit Window(std::FILE* file) : file_(file) {}

  std::string_view Text() const { return std::string_view(bytes_.data(), size_); }
  char* Data() { return bytes_.data(); }
  bool AtEnd() const { return atEnd_; }
  // Where Text()[0] lies in the file.
  std::ptrdiff_t Base() const { return base_; }

  // Drops everything before `keep`, then reads on. False at a read error or
  // a NUL byte, which the parser would take for the end of the text.
  bool Refill(std::size_t keep) {
    // Before the first read there is no buffer yet (a null data pointer).
    if (keep != 0) std::memmove(bytes_.data(), bytes_.data() + keep, size_ - keep);
    size_ -= keep;
    base_ += static_cast<std::ptrdiff_t>(keep);
    if (bytes_.size() < size_ + kReadBytes) bytes_.resize(size_ + kReadBytes);
    const std::size_t read = std::fread(bytes_.data() + size_, 1, kReadBytes, file_);
    if (std::memchr(bytes_.data() + size_, '\0', read) != nullptr) return false;
    size_ += read;
    atEnd_ = read < kReadBytes;
    return !std::ferror(file_);
  }

 private:
  std::FILE* file_;
  std::vector<char> bytes_;
  std::size_t size_ = 0;
  std::ptrdiff_t base_ = 0;
  bool atEnd_ = false;
};

// A run of whole children, or the document element's start tag alone,
// parsed in a buffer of its own so that it outlives the window it came from.
struct ParsedPiece {
  std::unique_ptr<char[]> text;
  pugi::xml_document document;
  std::ptrdiff_t base = 0;  // where the text lies in the file
  bool root = false;
};
using Pieces = PieceQueue<std::unique_ptr<ParsedPiece>>;

// Finds the pieces of the file and parses them: the work that the model
// reader does not need to wait for, done on a thread of its own.
class Scanner {
 public:
  Scanner(std::FILE* file, Pieces& pieces) : window_(file), pieces_(pieces) {}

  // False when the file is not taken, or the pieces are no longer wanted.
  bool Scan() {
    if (!window_.Refill(0)) return false;
    std::size_t at = 0;
    return Prologue(at) && Children(at) && Trailer(at);
  }

 private:
  // Runs `scan` from `at` until it finds its item, reading on as it needs.
  // Before reading, the piece gathered so far is parsed so that the window
  // can let go of it.
  template <typename Scan>
  Step Next(std::size_t& at, std::size_t& pieceStart, Scan scan) {
    for (;;) {
      const Step step = scan(window_.Text(), at, window_.AtEnd());
      if (step.found != Found::NeedMore) return step;
      if (window_.AtEnd()) return kNotTaken;
      if (!ParsePiece(pieceStart, at)) return kNotTaken;
      if (!window_.Refill(at)) return kNotTaken;
      at = 0;
      pieceStart = 0;
    }
  }

  bool Prologue(std::size_t& at) {
    std::size_t none = at;
    Step step = Next(at, none, Misc);
    if (step.found != Found::Item) return false;
    at = step.end;
    bool empty = false;
    step = Next(at, none, [&empty](std::string_view text, std::size_t from, bool) {
      if (from >= text.size() || text[from] != '<' || Classify(text.substr(from)) != Markup::StartTag) return kNotTaken;
      return StartTag(text, from, empty);
    });
    if (step.found != Found::Item) return false;
    // The start tag alone, closed, is a document of its own.
    const std::string_view text = window_.Text().substr(at, step.end - at);
    std::string tag(text.substr(0, text.size() - 1));
    tag += empty ? ">" : "/>";
    auto root = std::make_unique<ParsedPiece>();
    if (!root->document.load_buffer(tag.data(), tag.size(), pugi::parse_default, pugi::encoding_utf8)) return false;
    root->base = window_.Base() + static_cast<std::ptrdiff_t>(at);
    root->root = true;
    rootName_ = root->document.document_element().name();
    rootEmpty_ = empty;
    at = step.end;
    return pieces_.Push(std::move(root));
  }

  bool Children(std::size_t& at) {
    if (rootEmpty_) return true;
    std::size_t pieceStart = at;
    for (;;) {
      const Step step = Next(at, pieceStart, [](std::string_view text, std::size_t from, bool atEnd) {
        return Child(text, from, atEnd);
      });
      if (step.found != Found::Item) return false;
      if (step.end == at) break;  // the end tag of the document element
      at = step.end;
      if (at - pieceStart >= kPieceBytes) {
        if (!ParsePiece(pieceStart, at)) return false;
        pieceStart = at;
      }
    }
    if (!ParsePiece(pieceStart, at)) return false;
    pieceStart = at;
    std::string endTag = "</";
    endTag += rootName_;
    const Step step = Next(at, pieceStart, [&endTag](std::string_view text, std::size_t from, bool) {
      const Step end = Past(text, from, ">");
      if (end.found != Found::Item) return end;
      std::string_view tag = text.substr(from, end.end - 1 - from);
      if (!tag.starts_with(endTag)) return kNotTaken;
      tag.remove_prefix(endTag.size());
      for (const char c : tag) {
        if (!IsXmlBlank(c)) return kNotTaken;
      }
      return end;
    });
    if (step.found != Found::Item) return false;
    at = step.end;
    return true;
  }

  // One child or what stands between children; an empty item at the end tag
  // of the document element.
  static Step Child(std::string_view text, std::size_t at, bool atEnd) {
    if (at >= text.size()) return atEnd ? kNotTaken : kNeedMore;
    if (text[at] != '<') {
      const std::size_t open = text.find('<', at);
      return open == npos ? kNeedMore : Step{Found::Item, open};
    }
    if (!atEnd && text.size() - at < kLongestOpening) return kNeedMore;
    switch (const Markup kind = Classify(text.substr(at))) {
      case Markup::EndTag:
        return {Found::Item, at};
      case Markup::StartTag:
        return Element(text, at, atEnd);
      default:
        return Aside(text, at, kind);
    }
  }

  bool Trailer(std::size_t& at) {
    std::size_t none = at;
    const Step step = Next(at, none, Misc);
    return step.found == Found::Item && step.end == window_.Text().size() && window_.AtEnd();
  }

  // Parses a copy of the children in [from, to) of the window in place and
  // hands it on.
  bool ParsePiece(std::size_t from, std::size_t to) {
    if (to <= from) return true;
    auto piece = std::make_unique<ParsedPiece>();
    const std::size_t size = to - from;
    piece->text = std::make_unique_for_overwrite<char[]>(size);
    std::memcpy(piece->text.get(), window_.Data() + from, size);
    piece->base = window_.Base() + static_cast<std::ptrdiff_t>(from);
    const pugi::xml_parse_result parsed = piece->document.load_buffer_inplace(
        piece->text.get(), size, pugi::parse_default | pugi::parse_fragment, pugi::encoding_utf8);
    return parsed && pieces_.Push(std::move(piece));
  }

  Window window_;
  Pieces& pieces_;
  std::string rootName_;
  bool rootEmpty_ = false;
};

// The scanner runs this far ahead of the model reader at the most: parsing
// and defining take about as long as each other, so two pieces keep both
// busy.
constexpr std::size_t kPiecesAhead = 2;

class Streamer {
 public:
  Streamer(std::FILE* file, XMLRead_IDTable& ids) : file_(file), reader_(ids, noLines_) {}

  // False when the file is not taken.
  bool Read(StreamedModel& model) {
    Pieces pieces(kPiecesAhead);
    bool scanned = false;
    std::thread scanning([&] {
      try {
        scanned = Scanner(file_, pieces).Scan();
      } catch (...) {
        // Whatever went wrong, reading the file whole will meet it too.
      }
      pieces.Close();
    });
    bool defined = true;
    try {
      while (const std::optional<std::unique_ptr<ParsedPiece>> piece = pieces.Pop()) {
        if (!Define(**piece)) {
          defined = false;
          break;
        }
      }
    } catch (...) {
      pieces.Cancel();
      scanning.join();
      throw;
    }
    pieces.Cancel();
    scanning.join();
    if (!defined || !scanned) return false;
    try {
      model.set = reader_.Finish();
    } catch (const ModelFileProblem&) {
      return false;
    }
    model.documentElement = rootName_;
    return true;
  }

 private:
  bool Define(const ParsedPiece& piece) {
    try {
      if (piece.root) {
        reader_.Begin(piece.document.document_element(), piece.base);
        rootName_ = piece.document.document_element().name();
      } else {
        reader_.Define(piece.document, piece.base);
      }
    } catch (const ModelFileProblem&) {
      return false;
    }
    return true;
  }

  std::FILE* file_;
  const SourceLines noLines_;  // messages come from reading the file whole
  WsModelXmlReader reader_;
  std::string rootName_;
};

}  // namespace

StreamedModel StreamWsModel(const std::string& utf8Path, XMLRead_IDTable& ids) {
  StreamedModel model;
  std::FILE* file = std::fopen(utf8Path.c_str(), "rb");
  if (file == nullptr) return model;
  Streamer(file, ids).Read(model);
  std::fclose(file);
  return model;
}
