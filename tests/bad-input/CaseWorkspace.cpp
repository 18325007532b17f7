#include "CaseWorkspace.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <stdexcept>

#include "TempDir.h"

namespace fs = std::filesystem;

namespace {

void WriteFile(const fs::path& file, const std::string& bytes) {
  if (!file.parent_path().empty()) fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace

CaseWorkspace::CaseWorkspace(const BadInputCase& testCase, fs::path folder) : folder_(std::move(folder)) {
  for (const auto& [name, value] : testCase.env) env_[name] = Expand(value);
  for (const CaseStep& step : testCase.setup) {
    try {
      Apply(step);
    } catch (const std::exception& e) {
      throw std::runtime_error("line " + std::to_string(step.line) + " (" + step.action + "): " + e.what());
    }
  }
}

void CaseWorkspace::Apply(const CaseStep& step) {
  const auto& ops = step.operands;
  if (step.action == "config") {
    const fs::path app = folder_ / "app";
    fs::create_directories(app);
    fs::copy(DataPath("WaterSewer"), app / "WaterSewer", fs::copy_options::recursive);
    env_.emplace("LMWS_APPATH", app.string());
  } else if (step.action == "sample") {
    const fs::path target = PathOf(ops[1]);
    if (!target.parent_path().empty()) fs::create_directories(target.parent_path());
    fs::copy_file(DataPath("samples/" + ops[0]), target, fs::copy_options::overwrite_existing);
  } else if (step.action == "write") {
    WriteFile(PathOf(ops[0]), Expand(ops[1]));
  } else if (step.action == "mkdir") {
    fs::create_directories(PathOf(ops[0]));
  } else if (step.action == "fifo") {
    if (::mkfifo(PathOf(ops[0]).c_str(), 0644) != 0) throw std::runtime_error("cannot make the pipe");
  } else if (step.action == "remove") {
    fs::remove_all(PathOf(ops[0]));
  } else if (step.action == "symlink") {
    fs::create_symlink(Expand(ops[1]), PathOf(ops[0]));
  } else if (step.action == "chmod") {
    fs::permissions(PathOf(ops[1]), static_cast<fs::perms>(std::stoi(ops[0], nullptr, 8)));
  } else {
    throw std::runtime_error("unknown step");
  }
}

void CaseWorkspace::GiveTo(const std::string& user) const {
  if (::geteuid() != 0) return;
  const passwd* entry = ::getpwnam(user.c_str());
  if (entry == nullptr) throw std::runtime_error("no user named " + user);
  const auto give = [&](const fs::path& path) {
    if (::lchown(path.c_str(), entry->pw_uid, entry->pw_gid) != 0) throw std::runtime_error("cannot hand over " + path.string());
  };
  give(folder_);
  give(folder_.parent_path());
  for (const auto& item : fs::recursive_directory_iterator(folder_)) give(item.path());
}
