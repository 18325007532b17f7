#pragma once
// The thin XML layer through which every XML file of the module is read and
// written: the settings file, the file format catalogue and the feature group
// lists. It sits on pugixml and keeps the document-object-model contract the
// readers and writers rely on: selections by child element name, absent
// attributes distinct from empty ones, errors only for failures of the XML
// component itself or for numbers that do not convert.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

// Result codes of the XML component. Zero is success, negative values are failures.
enum XmlResult : int32_t {
  kXmlOk = 0,
  kXmlFailed = -1,
  kXmlBadNumber = -2,
  kXmlSaveFailed = -3,
  kXmlOutOfMemory = -4,
};

class XmlError : public std::runtime_error {
 public:
  explicit XmlError(int32_t code, const std::string& what = "XML error");
  int32_t Code() const { return code_; }

 private:
  int32_t code_;
};

class XmlDocument;

// A handle to any node: an element or a text node. Null when it refers to nothing.
class XmlNode {
 public:
  XmlNode() = default;
  explicit XmlNode(pugi::xml_node node) : node_(node) {}
  bool IsNull() const { return !node_; }
  explicit operator bool() const { return !IsNull(); }
  pugi::xml_node Raw() const { return node_; }

 protected:
  pugi::xml_node node_;
};

class XmlNodeList;

// A handle to one element; null when the node it came from was not an element.
class XmlElement : public XmlNode {
 public:
  XmlElement() = default;
  // The checked conversion: anything but an element gives a null handle.
  explicit XmlElement(const XmlNode& node);

  // Appends `child` as the last child (moving it out of the document's pool of
  // created nodes). Gives the appended node, or a null node on failure.
  XmlNode appendChild(const XmlNode& child);
  XmlNodeList selectNodes(const char* name) const;
  XmlElement selectSingleNode(const char* name) const;
  // The concatenated text of all descendants; empty when there is none.
  std::wstring text() const;
  std::optional<std::wstring> getAttribute(const char* name) const;
  void setAttribute(const char* name, const std::wstring& value);
  void setAttribute(const char* name, int value);
  std::string name() const;
};

class XmlNodeList {
 public:
  XmlNodeList() = default;
  explicit XmlNodeList(std::vector<pugi::xml_node> nodes) : nodes_(std::move(nodes)) {}
  long length() const { return static_cast<long>(nodes_.size()); }
  XmlNode item(long index) const;

 private:
  std::vector<pugi::xml_node> nodes_;
};

class XmlDocument {
 public:
  XmlDocument();
  ~XmlDocument();
  XmlDocument(const XmlDocument&) = delete;
  XmlDocument& operator=(const XmlDocument&) = delete;

  // Makes the document ready for use; kXmlOk when a document is available.
  int32_t Create();
  // Asynchronous loading and validation off; the parser properties the module
  // sets for reading are kept (they change nothing for this parser).
  void PrepareForReading();
  void SetProperty(const std::string& name, const std::wstring& value);
  std::optional<std::wstring> GetProperty(const std::string& name) const;

  // Parses the whole file. False when it is missing, unreadable, not
  // well-formed, or has no single document element.
  bool load(const std::wstring& path);
  // The same for the bytes of a file already in memory.
  bool loadText(std::string_view bytes);

  // Writes the document as UTF-8 XML without declaration or indentation,
  // through a temporary file renamed over `path`. Gives kXmlOk; a failure
  // raises XmlError and leaves any existing file untouched.
  int32_t save(const std::wstring& path) const;
  // The bytes save() would write.
  std::string ToUtf8String() const;

  XmlElement createElement(const char* name);
  XmlNode createTextNode(const std::wstring& text);
  // Makes `node` the document element (or appends a further top-level node).
  XmlNode appendChild(const XmlNode& node);
  // The top-level elements of that name: at most the document element.
  XmlNodeList selectNodes(const char* name) const;
  XmlElement documentElement() const;

 private:
  pugi::xml_document doc_;
  pugi::xml_node pool_;  // parent of created nodes until they are appended
  bool created_ = false;
  std::map<std::string, std::wstring> properties_;
};

// Converts attribute text to a 32-bit signed integer: decimal digits with an
// optional sign, blanks allowed around. Anything else raises XmlError.
int32_t XmlToInt32(const std::wstring& text);

// Path completion for files the module reads and writes: a path whose file
// name has no extension gets ".xml". Empty when a part is too long (folder,
// name and extension at most 255 characters, the whole at most 259).
std::wstring CompleteXmlPath(const std::wstring& path);
