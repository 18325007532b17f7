#include "WideQString.h"

#include "WideText.h"

QString ToQString(const std::wstring& text) { return QString::fromStdString(platform::ToUtf8(text)); }

std::wstring FromQString(const QString& text) { return platform::FromUtf8(text.toStdString()); }
