#pragma once
// The code lists built into the module, offered when the feature group file
// of the current variant has no entries for a field, and the rule that
// matches a stored value against the list in use.

#include <string>
#include <vector>

using CodeList = std::vector<std::wstring>;

CodeList DefaultNetLevelList();
CodeList DefaultStatusList();
CodeList DefaultStatusPipeList();
CodeList DefaultStatusConnectionList();
CodeList DefaultGeometryQualityXYList();
CodeList DefaultGeometryQualityZList();

// Index of the first entry equal to `text` ignoring case, or -1.
int FindInList(const CodeList& list, const std::wstring& text);

// Replaces `value` by `fallback` when the list does not hold it, and by the
// list's first entry when it does not hold the fallback either. An empty list
// leaves the value alone.
void ResolveListValue(const CodeList& list, std::wstring& value, const std::wstring& fallback);
