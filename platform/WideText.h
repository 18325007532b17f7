#pragma once
// The one place where wide text and UTF-8 meet. Every file name, command line
// argument and XML value passes through these two functions; the C locale is
// never consulted.
//
// Bytes that are not valid UTF-8 (a path from an old file system, say) decode
// to U+DC80..U+DCFF and encode back to the same byte, so a path survives the
// round trip unchanged.

#include <string>
#include <string_view>

namespace platform {

std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view bytes);

}  // namespace platform
