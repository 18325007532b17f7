#pragma once
// Stable identifiers for the objects of a file: a name-based UUID (version 5)
// of the model's namespace and the object's own identifier in the model. The
// same model gives the same identifiers, and an object keeps its identifier
// when other objects are added, removed or reordered.

#include <string>
#include <string_view>

#include <uuid/uuid.h>

class ObjectIdentity {
 public:
  explicit ObjectIdentity(std::wstring nameSpace);

  // ...NAVNEROM: the namespace as the model gives it.
  const std::wstring& Namespace() const { return namespace_; }

  // ...LOKALID and ..GUID: the UUID of `name` (such as "segment:301") in the
  // namespace, as 36 lower-case characters.
  std::wstring Of(std::string_view name) const;

 private:
  std::wstring namespace_;
  uuid_t namespaceUuid_;
};
