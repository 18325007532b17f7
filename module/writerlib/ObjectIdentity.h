#pragma once
// Stable identifiers for the objects of a file: a name-based UUID (version 5,
// RFC 4122) of the model's namespace and the object's own identifier in the
// model. The same model gives the same identifiers, and an object keeps its
// identifier when other objects are added, removed or reordered.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// A UUID as its 36 lower-case characters, made without allocating.
class UuidText {
 public:
  explicit UuidText(const std::array<std::uint8_t, 16>& bytes);
  std::wstring_view View() const { return {text_.data(), text_.size()}; }

 private:
  std::array<wchar_t, 36> text_;
};

class ObjectIdentity {
 public:
  explicit ObjectIdentity(std::wstring nameSpace);

  // ...NAVNEROM: the namespace as the model gives it.
  const std::wstring& Namespace() const { return namespace_; }

  // ...LOKALID and ..GUID: the UUID of `name` (such as "segment:301") in the
  // namespace.
  UuidText Of(std::string_view name) const;

 private:
  std::wstring namespace_;
  std::array<std::uint8_t, 16> namespaceUuid_;
};
