#include "ObjectIdentity.h"

#include "WideText.h"

namespace {

// The URL namespace of RFC 4122: the model's namespace is a URL-like text.
constexpr char kUrlNamespace[] = "6ba7b811-9dad-11d1-80b4-00c04fd430c8";

}  // namespace

ObjectIdentity::ObjectIdentity(std::wstring nameSpace) : namespace_(std::move(nameSpace)) {
  uuid_t url;
  uuid_parse(kUrlNamespace, url);
  const std::string text = platform::ToUtf8(namespace_);
  uuid_generate_sha1(namespaceUuid_, url, text.data(), text.size());
}

std::wstring ObjectIdentity::Of(std::string_view name) const {
  uuid_t uuid;
  uuid_generate_sha1(uuid, namespaceUuid_, name.data(), name.size());
  char text[UUID_STR_LEN];
  uuid_unparse_lower(uuid, text);
  return std::wstring(text, text + UUID_STR_LEN - 1);
}
