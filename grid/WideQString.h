#pragma once
// Wide text to and from Qt's strings, through the one UTF-8 conversion of
// the platform layer.

#include <QString>
#include <string>

QString ToQString(const std::wstring& text);
std::wstring FromQString(const QString& text);
