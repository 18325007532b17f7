#pragma once
// Lays out a case's folder from its setup steps: sample files, files written
// byte for byte, folders, links, modes, and a private copy of the shipped
// configuration folder when the case changes it.

#include <filesystem>
#include <map>
#include <string>

#include "BadInputCase.h"

class CaseWorkspace {
 public:
  // `folder` must exist and be empty. Throws std::runtime_error naming the
  // step that could not be carried out.
  CaseWorkspace(const BadInputCase& testCase, std::filesystem::path folder);

  const std::filesystem::path& Folder() const { return folder_; }
  // The case's environment, expanded, plus LMWS_APPATH for a private configuration.
  const std::map<std::string, std::string>& Environment() const { return env_; }
  std::string Expand(const std::string& text) const { return ExpandValue(text, folder_.string()); }
  std::filesystem::path PathOf(const std::string& text) const { return folder_ / Expand(text); }
  // Hands the whole folder to `user`, so that a case run as that user can work in it.
  void GiveTo(const std::string& user) const;

 private:
  void Apply(const CaseStep& step);

  std::filesystem::path folder_;
  std::map<std::string, std::string> env_;
};
