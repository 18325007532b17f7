#pragma once
// Text helpers for comparing the writer's bytes with expectations written as
// UTF-8 in the tests: conversion through glibc's own ISO-8859-10 table.

#include <iconv.h>

#include <string>

inline std::string Recode(const std::string& text, const char* from, const char* to) {
  iconv_t cd = iconv_open(to, from);
  std::string in = text;
  std::string out(text.size() * 4 + 4, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  size_t inLeft = in.size();
  size_t outLeft = out.size();
  iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return out;
}

// UTF-8 lines ending in LF, as the file's ISO-8859-10 bytes with CR LF.
inline std::string SosBytes(const std::string& utf8) {
  std::string crlf;
  for (char c : utf8) {
    if (c == '\n') crlf.push_back('\r');
    crlf.push_back(c);
  }
  return Recode(crlf, "UTF-8", "ISO-8859-10");
}

// The file's bytes as UTF-8 with LF, for readable failure messages.
inline std::string Readable(const std::string& bytes) {
  std::string lf;
  for (char c : Recode(bytes, "ISO-8859-10", "UTF-8")) {
    if (c != '\r') lf.push_back(c);
  }
  return lf;
}
