// Every case file through the real program: it must end by itself within its
// time, by exit rather than a signal, with the exit code, messages and files
// that a user should get. The bad-input corpus and the export cases of
// tests/e2e/cases run here alike.

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "BadInputCase.h"
#include "CaseWorkspace.h"
#include "RunProgram.h"
#include "TempDir.h"

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> CaseFiles(const char* folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() == ".case") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string TestName(const ::testing::TestParamInfo<fs::path>& info) {
  std::string name = info.param.stem().string();
  std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

// What the program printed, for the failure message; a long run is cut.
std::string Printed(const ProgramResult& run) {
  const auto cut = [](const std::string& text) { return text.size() > 4000 ? text.substr(0, 4000) + "..." : text; };
  return "\n--- stdout\n" + cut(run.out) + "\n--- stderr\n" + cut(run.err);
}

bool Present(const fs::path& path) {
  std::error_code ec;
  return fs::symlink_status(path, ec).type() != fs::file_type::not_found;
}

// The program, its libraries and its data in the installed layout, in a
// folder every user may read: a case run as another user cannot reach a
// build tree in a folder only root may enter.
const fs::path& ProgramForAnyUser() {
  static TempDir dir;
  static const fs::path program = [] {
    const fs::path built(SOSI_EXPORT_PROGRAM);
    fs::create_directories(dir.File("bin"));
    fs::copy(built.parent_path().parent_path() / "lib", dir.File("lib"), fs::copy_options::recursive);
    fs::copy_file(built, dir.File("bin/sosi-export"));
    fs::create_directories(dir.File("share/sosi-export"));
    for (const char* folder : {"WaterSewer", "samples"}) {
      fs::copy(DataPath(folder), dir.File("share/sosi-export") / folder, fs::copy_options::recursive);
    }
    fs::permissions(dir.Path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
    return dir.File("bin/sosi-export");
  }();
  return program;
}

// The run as a user would start it from a shell in the case folder.
std::vector<std::string> Command(const BadInputCase& testCase, const CaseWorkspace& workspace,
                                 std::map<std::string, std::string>& env) {
  std::vector<std::string> command = {"-C", workspace.Folder().string()};
  if (testCase.user && ::geteuid() == 0) {
    const passwd* user = ::getpwnam(testCase.user->c_str());
    if (user == nullptr) throw std::runtime_error("no user named " + *testCase.user);
    command.insert(command.end(), {"/usr/bin/setpriv", "--reuid=" + std::to_string(user->pw_uid),
                                   "--regid=" + std::to_string(user->pw_gid), "--clear-groups"});
    command.push_back(ProgramForAnyUser().string());
    env["LD_LIBRARY_PATH"] = ProgramForAnyUser().parent_path().parent_path().string() + "/lib";
  } else {
    command.push_back(SOSI_EXPORT_PROGRAM);
  }
  for (const std::string& arg : testCase.args) command.push_back(workspace.Expand(arg));
  return command;
}

class Cases : public ::testing::TestWithParam<fs::path> {
 protected:
  // The suite's own LMWS_ variables never reach a case.
  static void SetUpTestSuite() {
    std::vector<std::string> names;
    for (char** entry = environ; *entry != nullptr; ++entry) {
      const std::string item(*entry);
      if (item.rfind("LMWS_", 0) == 0) names.push_back(item.substr(0, item.find('=')));
    }
    for (const std::string& name : names) ::unsetenv(name.c_str());
  }
};

}  // namespace

TEST_P(Cases, EndAsAUserShouldSee) {
  const BadInputCase testCase = ReadCase(GetParam());
  SCOPED_TRACE(testCase.about);
  TempDir dir;
  const fs::path folder = dir.Path() / "work";
  fs::create_directory(folder);
  const CaseWorkspace workspace(testCase, folder);
  if (testCase.user) workspace.GiveTo(*testCase.user);

  std::map<std::string, std::string> before;
  for (const std::string& file : testCase.unchanged) before[file] = ReadBytes(workspace.PathOf(file));

  std::map<std::string, std::string> env = workspace.Environment();
  const std::vector<std::string> command = Command(testCase, workspace, env);
  const ProgramResult run = RunProgram("/usr/bin/env", command, env, testCase.timeoutSeconds);
  const std::string printed = Printed(run);

  ASSERT_FALSE(run.timedOut) << "still running after " << testCase.timeoutSeconds << " s" << printed;
  ASSERT_EQ(run.signal, 0) << "ended by signal " << run.signal << printed;
  EXPECT_EQ(run.exitCode, testCase.exitCode) << printed;
  const auto check = [&](const std::vector<std::string>& texts, const std::string& in, bool wanted, const char* what) {
    for (const std::string& text : texts) {
      EXPECT_EQ(in.find(workspace.Expand(text)) != std::string::npos, wanted) << what << ": " << text << printed;
    }
  };
  check(testCase.stdoutHas, run.out, true, "stdout lacks");
  check(testCase.stdoutLacks, run.out, false, "stdout has");
  check(testCase.stderrHas, run.err, true, "stderr lacks");
  check(testCase.stderrLacks, run.err, false, "stderr has");
  for (const std::string& file : testCase.exists) EXPECT_TRUE(Present(workspace.PathOf(file))) << file << printed;
  for (const std::string& file : testCase.absent) EXPECT_FALSE(Present(workspace.PathOf(file))) << file << printed;
  for (const auto& [file, bytes] : before) {
    EXPECT_EQ(ReadBytes(workspace.PathOf(file)), bytes) << file << " changed" << printed;
  }
  for (const bool wanted : {true, false}) {
    for (const auto& [file, text] : wanted ? testCase.holds : testCase.holdsNot) {
      EXPECT_EQ(ReadBytes(workspace.PathOf(file)).find(workspace.Expand(text)) != std::string::npos, wanted)
          << file << (wanted ? " lacks: " : " holds: ") << text << printed;
    }
  }
  if (testCase.maxMemoryMb) {
    // ctest runs each case in a process of its own, whose only child is this run.
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    EXPECT_LE(usage.ru_maxrss / 1024, *testCase.maxMemoryMb) << "peak memory " << usage.ru_maxrss << " kB";
  }
}

INSTANTIATE_TEST_SUITE_P(BadInput, Cases, ::testing::ValuesIn(CaseFiles(BAD_INPUT_CASES)), TestName);
INSTANTIATE_TEST_SUITE_P(Export, Cases, ::testing::ValuesIn(CaseFiles(EXPORT_CASES)), TestName);
