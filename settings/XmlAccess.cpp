#include "XmlAccess.h"

#include <cwctype>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "AtomicFile.h"
#include "WideText.h"
#include "WinPath.h"

using platform::FromUtf8;
using platform::ToUtf8;

namespace {

constexpr const char* kPoolName = "#pool";

bool IsPool(pugi::xml_node node) { return node.type() == pugi::node_element && std::string(node.name()) == kPoolName; }

// Text of an element without recursion, so that deeply nested input cannot
// exhaust the stack.
std::string DescendantText(pugi::xml_node node) {
  std::string out;
  pugi::xml_node child = node.first_child();
  while (child) {
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) out += child.value();
    if (child.type() == pugi::node_element && child.first_child()) {
      child = child.first_child();
      continue;
    }
    while (child && !child.next_sibling()) {
      child = child.parent();
      if (child == node) return out;
    }
    if (child) child = child.next_sibling();
  }
  return out;
}

class StringWriter : public pugi::xml_writer {
 public:
  void write(const void* data, size_t size) override { out.append(static_cast<const char*>(data), size); }
  std::string out;
};

}  // namespace

XmlError::XmlError(int32_t code, const std::string& what) : std::runtime_error(what), code_(code) {}

XmlElement::XmlElement(const XmlNode& node) {
  if (node.Raw().type() == pugi::node_element) node_ = node.Raw();
}

XmlNode XmlElement::appendChild(const XmlNode& child) {
  if (!node_ || !child) return XmlNode();
  pugi::xml_node moved = node_.append_move(child.Raw());
  if (!moved) throw XmlError(kXmlFailed, "cannot append node");
  return XmlNode(moved);
}

XmlNodeList XmlElement::selectNodes(const char* name) const {
  std::vector<pugi::xml_node> nodes;
  if (node_) {
    for (pugi::xml_node child : node_.children(name)) {
      if (child.type() == pugi::node_element) nodes.push_back(child);
    }
  }
  return XmlNodeList(std::move(nodes));
}

XmlElement XmlElement::selectSingleNode(const char* name) const {
  if (!node_) return XmlElement();
  for (pugi::xml_node child : node_.children(name)) {
    if (child.type() == pugi::node_element) return XmlElement(XmlNode(child));
  }
  return XmlElement();
}

std::wstring XmlElement::text() const {
  if (!node_) return {};
  return FromUtf8(DescendantText(node_));
}

std::optional<std::wstring> XmlElement::getAttribute(const char* name) const {
  if (!node_) return std::nullopt;
  pugi::xml_attribute attribute = node_.attribute(name);
  if (!attribute) return std::nullopt;
  return FromUtf8(attribute.value());
}

void XmlElement::setAttribute(const char* name, const std::wstring& value) {
  if (!node_) throw XmlError(kXmlFailed, "no element");
  pugi::xml_attribute attribute = node_.attribute(name);
  if (!attribute) attribute = node_.append_attribute(name);
  if (!attribute || !attribute.set_value(ToUtf8(value).c_str())) throw XmlError(kXmlOutOfMemory, "cannot set attribute");
}

void XmlElement::setAttribute(const char* name, int value) { setAttribute(name, std::to_wstring(value)); }

std::string XmlElement::name() const { return node_ ? node_.name() : std::string(); }

XmlNode XmlNodeList::item(long index) const {
  if (index < 0 || index >= length()) return XmlNode();
  return XmlNode(nodes_[static_cast<size_t>(index)]);
}

XmlDocument::XmlDocument() = default;
XmlDocument::~XmlDocument() = default;

int32_t XmlDocument::Create() {
  doc_.reset();
  pool_ = pugi::xml_node();
  properties_.clear();
  created_ = true;
  return kXmlOk;
}

void XmlDocument::PrepareForReading() {
  SetProperty("async", L"false");
  SetProperty("validateOnParse", L"false");
  SetProperty("NewParser", L"true");
  SetProperty("SelectionLanguage", L"XPath");
}

void XmlDocument::SetProperty(const std::string& name, const std::wstring& value) { properties_[name] = value; }

std::optional<std::wstring> XmlDocument::GetProperty(const std::string& name) const {
  auto it = properties_.find(name);
  if (it == properties_.end()) return std::nullopt;
  return it->second;
}

bool XmlDocument::load(const std::wstring& path) {
  if (!created_) throw XmlError(kXmlFailed, "document not created");
  doc_.reset();
  pool_ = pugi::xml_node();
  const std::string file = ToUtf8(path);
  // Only a regular file is read: a pipe in its place would block the open,
  // and a device such as /dev/zero would never end.
  std::error_code ec;
  if (std::filesystem::exists(file, ec) && !std::filesystem::is_regular_file(file, ec)) return false;
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return false;
  return loadText(std::move(buffer).str());
}

bool XmlDocument::loadText(std::string_view bytes) {
  if (!created_) throw XmlError(kXmlFailed, "document not created");
  doc_.reset();
  pool_ = pugi::xml_node();
  const pugi::xml_parse_result result =
      doc_.load_buffer(bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_ws_pcdata_single);
  if (!result) {
    doc_.reset();
    return false;
  }
  int elements = 0;
  for (pugi::xml_node child : doc_.children()) {
    if (child.type() == pugi::node_element) ++elements;
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) elements = 2;  // text outside the root
  }
  if (elements != 1) {
    doc_.reset();
    return false;
  }
  return true;
}

std::string XmlDocument::ToUtf8String() const {
  StringWriter writer;
  for (pugi::xml_node child : doc_.children()) {
    if (IsPool(child)) continue;
    child.print(writer, "", pugi::format_raw, pugi::encoding_utf8);
  }
  return writer.out;
}

int32_t XmlDocument::save(const std::wstring& path) const {
  if (!created_) throw XmlError(kXmlFailed, "document not created");
  platform::AtomicFile file;
  if (!file.Open(ToUtf8(path))) throw XmlError(kXmlSaveFailed, "cannot create file");
  if (!file.Write(ToUtf8String()) || !file.Commit()) throw XmlError(kXmlSaveFailed, "cannot write file");
  return kXmlOk;
}

XmlElement XmlDocument::createElement(const char* name) {
  if (!created_) throw XmlError(kXmlFailed, "document not created");
  if (!pool_) {
    pool_ = doc_.append_child(kPoolName);
    if (!pool_) throw XmlError(kXmlOutOfMemory, "cannot create node");
  }
  pugi::xml_node node = pool_.append_child(name);
  if (!node) throw XmlError(kXmlOutOfMemory, "cannot create element");
  return XmlElement(XmlNode(node));
}

XmlNode XmlDocument::createTextNode(const std::wstring& text) {
  if (!created_) throw XmlError(kXmlFailed, "document not created");
  if (!pool_) {
    pool_ = doc_.append_child(kPoolName);
    if (!pool_) throw XmlError(kXmlOutOfMemory, "cannot create node");
  }
  pugi::xml_node node = pool_.append_child(pugi::node_pcdata);
  if (!node || !node.set_value(ToUtf8(text).c_str())) throw XmlError(kXmlOutOfMemory, "cannot create text");
  return XmlNode(node);
}

XmlNode XmlDocument::appendChild(const XmlNode& node) {
  if (!node) return XmlNode();
  pugi::xml_node moved = pool_ ? doc_.insert_move_before(node.Raw(), pool_) : doc_.append_move(node.Raw());
  if (!moved) throw XmlError(kXmlFailed, "cannot append node");
  return XmlNode(moved);
}

XmlNodeList XmlDocument::selectNodes(const char* name) const {
  std::vector<pugi::xml_node> nodes;
  for (pugi::xml_node child : doc_.children(name)) {
    if (child.type() == pugi::node_element && !IsPool(child)) nodes.push_back(child);
  }
  return XmlNodeList(std::move(nodes));
}

XmlElement XmlDocument::documentElement() const {
  for (pugi::xml_node child : doc_.children()) {
    if (child.type() == pugi::node_element && !IsPool(child)) return XmlElement(XmlNode(child));
  }
  return XmlElement();
}

int32_t XmlToInt32(const std::wstring& text) {
  size_t i = 0;
  const size_t n = text.size();
  auto blank = [](wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; };
  while (i < n && blank(text[i])) ++i;
  bool negative = false;
  if (i < n && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  const size_t digitsStart = i;
  long long value = 0;
  for (; i < n && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    value = value * 10 + (text[i] - L'0');
    if (value > static_cast<long long>(std::numeric_limits<int32_t>::max()) + 1) {
      throw XmlError(kXmlBadNumber, "number out of range");
    }
  }
  if (i == digitsStart) throw XmlError(kXmlBadNumber, "not a number");
  while (i < n && blank(text[i])) ++i;
  if (i != n) throw XmlError(kXmlBadNumber, "not a number");
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) throw XmlError(kXmlBadNumber, "number out of range");
  return static_cast<int32_t>(value);
}

std::wstring CompleteXmlPath(const std::wstring& path) {
  platform::SplitPathResult parts;
  if (!platform::SplitPath(path, parts)) return {};
  if (parts.ext.empty()) parts.ext = L"xml";
  std::wstring completed = platform::MakePath(parts.drive, parts.dir, parts.fname, parts.ext);
  if (completed.size() > 259) return {};
  return completed;
}
