#include "ObjectIdentity.h"

#include <nettle/sha1.h>

#include "WideText.h"

namespace {

// The URL namespace of RFC 4122 (6ba7b811-9dad-11d1-80b4-00c04fd430c8): the
// model's namespace is a URL-like text.
constexpr std::array<std::uint8_t, 16> kUrlNamespace = {0x6b, 0xa7, 0xb8, 0x11, 0x9d, 0xad, 0x11, 0xd1,
                                                        0x80, 0xb4, 0x00, 0xc0, 0x4f, 0xd4, 0x30, 0xc8};

// SHA-1 of the namespace's bytes and the name, as version 5 of the variant of RFC 4122.
std::array<std::uint8_t, 16> NameBasedUuid(const std::array<std::uint8_t, 16>& nameSpace, std::string_view name) {
  sha1_ctx context;
  sha1_init(&context);
  sha1_update(&context, nameSpace.size(), nameSpace.data());
  sha1_update(&context, name.size(), reinterpret_cast<const std::uint8_t*>(name.data()));
  std::uint8_t digest[SHA1_DIGEST_SIZE];
  sha1_digest(&context, sizeof digest, digest);
  std::array<std::uint8_t, 16> uuid;
  for (std::size_t i = 0; i < uuid.size(); ++i) uuid[i] = digest[i];
  uuid[6] = static_cast<std::uint8_t>((uuid[6] & 0x0F) | 0x50);
  uuid[8] = static_cast<std::uint8_t>((uuid[8] & 0x3F) | 0x80);
  return uuid;
}

}  // namespace

UuidText::UuidText(const std::array<std::uint8_t, 16>& bytes) {
  constexpr wchar_t kHex[] = L"0123456789abcdef";
  std::size_t at = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10) text_[at++] = L'-';
    text_[at++] = kHex[bytes[i] >> 4];
    text_[at++] = kHex[bytes[i] & 0x0F];
  }
}

ObjectIdentity::ObjectIdentity(std::wstring nameSpace)
    : namespace_(std::move(nameSpace)), namespaceUuid_(NameBasedUuid(kUrlNamespace, platform::ToUtf8(namespace_))) {}

UuidText ObjectIdentity::Of(std::string_view name) const { return UuidText(NameBasedUuid(namespaceUuid_, name)); }
