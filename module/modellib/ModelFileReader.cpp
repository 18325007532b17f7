#include "ModelFileReader.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>

#include <pugixml.hpp>

#include "GmiGeodataSet.h"
#include "MappedFile.h"
#include "ModelElementReader.h"
#include "SourceLines.h"
#include "WideText.h"
#include "WinText.h"
#include "XmlBlank.h"

namespace {

// Children are parsed in pieces of at least this size: big enough that a
// parse per piece costs nothing, small enough that a piece's nodes are few.
constexpr std::size_t kPieceBytes = 1 << 20;

constexpr auto npos = std::string_view::npos;

// Each scan below gives the offset just past its item, or npos when the text
// holds no well-formed item there.

std::size_t Past(std::string_view text, std::size_t from, std::string_view terminator) {
  const std::size_t at = text.find(terminator, from);
  return at == npos ? npos : at + terminator.size();
}

// The characters that a start tag is scanned for: its end, a quote, and a '<'
// that no tag may hold. One table look-up per character, not four tests.
constexpr auto kInTagStops = [] {
  std::array<bool, 256> stops{};
  for (const unsigned char c : {'"', '\'', '>', '<'}) stops[c] = true;
  return stops;
}();

// A start tag at `at`, quoted values skipped.
std::size_t StartTag(std::string_view text, std::size_t at, bool& empty) {
  for (std::size_t i = at + 1; i < text.size(); ++i) {
    if (!kInTagStops[static_cast<unsigned char>(text[i])]) continue;
    const char c = text[i];
    if (c == '"' || c == '\'') {
      i = text.find(c, i + 1);
      if (i == npos) return npos;
    } else if (c == '>') {
      empty = text[i - 1] == '/';
      return i + 1;
    } else {
      return npos;
    }
  }
  return npos;
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
std::size_t Aside(std::string_view text, std::size_t at, Markup kind) {
  switch (kind) {
    case Markup::Comment:
      return Past(text, at + 4, "-->");
    case Markup::CData:
      return Past(text, at + 9, "]]>");
    case Markup::Instruction:
      return Past(text, at + 2, "?>");
    default:
      return npos;
  }
}

// The element whose start tag is at `at`, through its end tag.
std::size_t Element(std::string_view text, std::size_t at) {
  int depth = 0;
  for (std::size_t from = at;;) {
    const std::size_t open = text.find('<', from);
    if (open == npos) return npos;
    const Markup kind = Classify(text.substr(open));
    if (kind == Markup::EndTag) {
      from = Past(text, open + 2, ">");
      --depth;
    } else if (kind == Markup::StartTag) {
      bool empty = false;
      from = StartTag(text, open, empty);
      if (!empty) ++depth;
    } else {
      from = Aside(text, open, kind);
    }
    if (from == npos || depth == 0) return from;
  }
}

// Blanks, comments and processing instructions: where anything else starts.
std::size_t Misc(std::string_view text, std::size_t at) {
  while (at < text.size()) {
    if (IsXmlBlank(text[at])) {
      ++at;
      continue;
    }
    if (text[at] != '<') break;
    const Markup kind = Classify(text.substr(at));
    if (kind != Markup::Comment && kind != Markup::Instruction) break;
    at = Aside(text, at, kind);
    if (at == npos) return npos;
  }
  return at;
}

// One child or what stands between children; `at` itself at the end tag of
// the document element.
std::size_t Child(std::string_view text, std::size_t at) {
  if (at >= text.size()) return npos;
  if (text[at] != '<') return text.find('<', at);
  switch (const Markup kind = Classify(text.substr(at))) {
    case Markup::EndTag:
      return at;
    case Markup::StartTag:
      return Element(text, at);
    default:
      return Aside(text, at, kind);
  }
}

// A model file is UTF-8 (or ASCII, a part of it). A file in another encoding
// is refused by name: read as UTF-8, its letters would reach the SOSI file
// as "?".
void CheckEncoding(std::string_view text) {
  using std::literals::string_view_literals::operator""sv;
  if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF") || text.starts_with("<\0"sv) ||
      text.starts_with("\0<"sv)) {
    throw ModelFileProblem(0, "the file is UTF-16; a model file is UTF-8");
  }
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  if (!text.starts_with("<?xml")) return;
  const std::string_view declaration = text.substr(0, text.find("?>"));
  const std::size_t name = declaration.find("encoding");
  const std::size_t open = declaration.find_first_of("\"'", name);
  if (name == npos || open == npos) return;
  const std::string_view encoding =
      declaration.substr(open + 1, declaration.find(declaration[open], open + 1) - (open + 1));
  const std::wstring declared = platform::FromUtf8(encoding);
  const auto is = [&declared](const wchar_t* known) { return platform::EqualsIgnoringCase(declared, known); };
  if (!is(L"UTF-8") && !is(L"UTF8") && !is(L"US-ASCII") && !is(L"ASCII")) {
    throw ModelFileProblem(0, "the file declares the encoding " + std::string(encoding) + "; a model file is UTF-8");
  }
}

std::string NotWellFormed(const pugi::xml_parse_result& result) {
  return std::string("not well-formed XML: ") + result.description();
}

constexpr unsigned kPieceOptions = pugi::parse_default | pugi::parse_fragment;

class FileReader {
 public:
  FileReader(XMLRead_IDTable& ids, std::wstring defaultNamespace)
      : elements_(ids, lines_), defaultNamespace_(std::move(defaultNamespace)) {}

  ModelFileContents ReadFile(const std::string& path) {
    ModelFileContents contents;
    errno = 0;
    if (file_.Open(path)) {
      Build(contents);
    } else {
      contents.problem = std::string("cannot be read: ") + (errno != 0 ? std::strerror(errno) : "read error");
    }
    return contents;
  }

  ModelFileContents ReadText(std::string_view bytes) {
    ModelFileContents contents;
    if (file_.Copy(bytes)) {
      Build(contents);
    } else {
      contents.problem = std::string("cannot be read: ") + std::strerror(errno);
    }
    return contents;
  }

 private:
  std::string_view Text() const { return std::string_view(file_.Data(), file_.Size()); }

  // Before the parser rewrites the buffer, the line feeds are indexed for messages.
  void Build(ModelFileContents& contents) {
    lines_ = SourceLines(file_.Data(), file_.Size());
    try {
      const std::string_view text = Text();
      CheckEncoding(text);
      const std::size_t root = Misc(text, text.starts_with("\xEF\xBB\xBF") ? 3 : 0);
      bool empty = false;
      const std::size_t rootEnd = root < text.size() && text[root] == '<' && Classify(text.substr(root)) ==
                                  Markup::StartTag && std::memchr(text.data(), '\0', text.size()) == nullptr
                                      ? StartTag(text, root, empty)
                                      : npos;
      if (rootEnd == npos) {
        ReadWhole(contents);
      } else {
        ReadDocumentElement(root, rootEnd, empty, contents);
        ReadTrailer(empty ? rootEnd : ReadChildren(rootEnd, contents.documentElement));
      }
      contents.set = elements_.Finish();
    } catch (const ModelFileProblem& problem) {
      contents.set.reset();
      contents.problemLine = problem.Offset() < 0 ? 1 : lines_.LineOf(static_cast<std::size_t>(problem.Offset()));
      contents.problem = problem.what();
    }
  }

  // A file of another shape, parsed as one piece.
  void ReadWhole(ModelFileContents& contents) {
    pugi::xml_document document;
    const pugi::xml_parse_result result =
        document.load_buffer_inplace(file_.Data(), file_.Size(), pugi::parse_default, pugi::encoding_utf8);
    if (!result) throw ModelFileProblem(result.offset, NotWellFormed(result));
    const pugi::xml_node root = document.document_element();
    Begin(root, 0, contents);
    elements_.Define(root, 0);
  }

  // The start tag alone, closed, parsed as a document of its own.
  void ReadDocumentElement(std::size_t at, std::size_t end, bool empty, ModelFileContents& contents) {
    std::string tag(Text().substr(at, end - 1 - at));
    tag += empty ? ">" : "/>";
    pugi::xml_document document;
    const pugi::xml_parse_result result =
        document.load_buffer(tag.data(), tag.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!result) throw ModelFileProblem(static_cast<std::ptrdiff_t>(at) + result.offset, NotWellFormed(result));
    Begin(document.document_element(), static_cast<std::ptrdiff_t>(at), contents);
  }

  void Begin(const pugi::xml_node& root, std::ptrdiff_t base, ModelFileContents& contents) {
    contents.documentElement = root.name();
    contents.documentElementLine = lines_.LineOf(static_cast<std::size_t>(base + root.offset_debug()));
    elements_.Begin(root, base, defaultNamespace_);
  }

  // The children in pieces, and the end tag of the document element: where it ends.
  std::size_t ReadChildren(std::size_t from, const std::string& rootName) {
    const std::string_view text = Text();
    std::size_t pieceStart = from;
    std::size_t at = from;
    for (std::size_t next; (next = Child(text, at)) != at; at = next) {
      if (next == npos) Malformed(pieceStart);
      if (at - pieceStart >= kPieceBytes) {
        DefinePiece(pieceStart, at);
        pieceStart = at;
      }
    }
    DefinePiece(pieceStart, at);
    const std::size_t end = Past(text, at, ">");
    std::string_view tag = text.substr(at + 2, end == npos ? 0 : end - 1 - (at + 2));
    if (end == npos || !tag.starts_with(rootName)) Malformed(at);
    for (const char c : tag.substr(rootName.size())) {
      if (!IsXmlBlank(c)) Malformed(at);
    }
    return end;
  }

  // What follows the document element is only checked to be well-formed.
  void ReadTrailer(std::size_t from) {
    if (Misc(Text(), from) == file_.Size()) return;
    pugi::xml_document trailer;
    const pugi::xml_parse_result result =
        trailer.load_buffer_inplace(file_.Data() + from, file_.Size() - from, kPieceOptions, pugi::encoding_utf8);
    if (!result) throw ModelFileProblem(static_cast<std::ptrdiff_t>(from) + result.offset, NotWellFormed(result));
  }

  void DefinePiece(std::size_t from, std::size_t to) {
    if (to == from) return;
    pugi::xml_document piece;
    const pugi::xml_parse_result result =
        piece.load_buffer_inplace(file_.Data() + from, to - from, kPieceOptions, pugi::encoding_utf8);
    if (!result) throw ModelFileProblem(static_cast<std::ptrdiff_t>(from) + result.offset, NotWellFormed(result));
    elements_.Define(piece, static_cast<std::ptrdiff_t>(from));
    file_.Release(to);
  }

  // Where the scan cannot find the end of an element, the parser reads the
  // rest of the file and says what is wrong; if it finds nothing wrong, the
  // document element is not closed, which the parser gives at the last byte.
  [[noreturn]] void Malformed(std::size_t from) {
    pugi::xml_document rest;
    pugi::xml_parse_result result =
        rest.load_buffer_inplace(file_.Data() + from, file_.Size() - from, kPieceOptions, pugi::encoding_utf8);
    if (!result) throw ModelFileProblem(static_cast<std::ptrdiff_t>(from) + result.offset, NotWellFormed(result));
    result.status = pugi::status_end_element_mismatch;
    throw ModelFileProblem(static_cast<std::ptrdiff_t>(file_.Size()) - 1, NotWellFormed(result));
  }

  MappedFile file_;
  SourceLines lines_;
  ModelElementReader elements_;
  std::wstring defaultNamespace_;
};

}  // namespace

ModelFileContents ReadModelFile(const std::string& utf8Path, XMLRead_IDTable& ids) {
  // A model that names no namespace is known by its file name.
  const std::wstring stem = platform::FromUtf8(std::filesystem::path(utf8Path).stem().string());
  return FileReader(ids, L"urn:ws-model:" + stem).ReadFile(utf8Path);
}

ModelFileContents ReadModelText(std::string_view bytes, XMLRead_IDTable& ids) {
  return FileReader(ids, L"urn:ws-model").ReadText(bytes);
}
