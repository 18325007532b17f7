#pragma once
// Saves a picture as a PNG file, replacing an earlier one only once the
// whole image is written.

#include <QPixmap>
#include <string>

namespace platform {
bool SavePng(const QPixmap& pixmap, const std::string& path);
}  // namespace platform
