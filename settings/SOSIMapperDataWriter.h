#pragma once
// Stores a record as an export settings file in the form the reader takes.
// The file is replaced whole or not at all; the folder is never created.

#include <optional>
#include <string>

#include "SOSIMapperData.h"
#include "XmlAccess.h"

// True when the file was saved. A path without extension gets ".xml". Every
// error while building or saving the document gives false.
bool SaveSOSIMapperData(const SOSIMapperData& data, const std::wstring& path);
// The bytes such a file holds; none when the document cannot be built.
std::optional<std::string> SOSIMapperDataText(const SOSIMapperData& data);

// Appends <name>value</name> to `parent`; an empty value gives an element
// without content. Does nothing without a document or a parent.
void WriteTextElement(const std::wstring& value, const char* name, XmlDocument* document, XmlElement parent);

// Appends one <name FileMode="n"> element per stored table, in ascending
// FileMode, each with its entries as KeyValuePair elements in key order.
// Does nothing without a document or a parent.
void WriteFeatureTables(const FeatureTablesByFormat& tables, const char* name, XmlDocument* document,
                        XmlElement parent);
