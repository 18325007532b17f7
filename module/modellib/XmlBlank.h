#pragma once
// The blanks of XML: what may stand between markup and around list items.

inline bool IsXmlBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
