#include "PngFile.h"

#include <QBuffer>
#include <QByteArray>

#include "AtomicFile.h"

namespace platform {

bool SavePng(const QPixmap& pixmap, const std::string& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!pixmap.save(&buffer, "PNG")) return false;
  AtomicFile file;
  return file.Open(path) && file.Write(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))) &&
         file.Commit();
}

}  // namespace platform
