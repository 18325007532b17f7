#pragma once
// The attribute form of one feature code (Name, Description, Group), shared
// by the feature group files and the settings file.

#include "CWsFeature.h"
#include "XmlAccess.h"

// Clears `feature`, then reads the element's attributes into it. True only
// when both Name and Description are present. A Group that is not a number
// raises XmlError.
bool ReadFeature(const XmlElement& element, CWsFeature& feature);

// Writes Name, Description and (when 0 or more) Group. A feature without a
// code writes nothing and gives a null element.
XmlElement WriteFeature(XmlElement element, const CWsFeature& feature);
