// Every case of the corpus in cases/ through the real program: it must end by
// itself within its time, by exit rather than a signal, with the exit code,
// messages and files that a user should get.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "BadInputCase.h"
#include "CaseWorkspace.h"
#include "ProgramRun.h"
#include "TempDir.h"

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> CaseFiles() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(BAD_INPUT_CASES)) {
    if (entry.path().extension() == ".case") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string TestName(const fs::path& file) {
  std::string name = file.stem().string();
  std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

std::string Contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// What the program printed, for the failure message; a long run is cut.
std::string Printed(const RunOutcome& run) {
  const auto cut = [](const std::string& text) { return text.size() > 4000 ? text.substr(0, 4000) + "..." : text; };
  return "\n--- stdout\n" + cut(run.out) + "\n--- stderr\n" + cut(run.err);
}

bool Present(const fs::path& path) {
  std::error_code ec;
  return fs::symlink_status(path, ec).type() != fs::file_type::not_found;
}

class BadInput : public ::testing::TestWithParam<fs::path> {};

}  // namespace

TEST_P(BadInput, EndsAsAUserShouldSee) {
  const BadInputCase testCase = ReadCase(GetParam());
  SCOPED_TRACE(testCase.about);
  TempDir dir;
  const fs::path folder = dir.Path() / "work";
  fs::create_directory(folder);
  const CaseWorkspace workspace(testCase, folder);
  if (testCase.user) workspace.GiveTo(*testCase.user);

  std::map<std::string, std::string> before;
  for (const std::string& file : testCase.unchanged) before[file] = Contents(workspace.PathOf(file));

  RunRequest request;
  request.program = SOSI_EXPORT_PROGRAM;
  for (const std::string& arg : testCase.args) request.args.push_back(workspace.Expand(arg));
  request.folder = folder;
  request.outputFolder = dir.Path();
  request.env = workspace.Environment();
  request.user = testCase.user;
  request.timeoutSeconds = testCase.timeoutSeconds;
  const RunOutcome run = RunInFolder(request);
  const std::string printed = Printed(run);

  ASSERT_FALSE(run.timedOut) << "still running after " << testCase.timeoutSeconds << " s" << printed;
  ASSERT_EQ(run.signal, 0) << "ended by signal " << run.signal << printed;
  EXPECT_EQ(run.exitCode, testCase.exitCode) << printed;
  for (const std::string& text : testCase.stdoutHas) {
    EXPECT_NE(run.out.find(workspace.Expand(text)), std::string::npos) << "stdout lacks: " << text << printed;
  }
  for (const std::string& text : testCase.stdoutLacks) {
    EXPECT_EQ(run.out.find(workspace.Expand(text)), std::string::npos) << "stdout has: " << text << printed;
  }
  for (const std::string& text : testCase.stderrHas) {
    EXPECT_NE(run.err.find(workspace.Expand(text)), std::string::npos) << "stderr lacks: " << text << printed;
  }
  for (const std::string& text : testCase.stderrLacks) {
    EXPECT_EQ(run.err.find(workspace.Expand(text)), std::string::npos) << "stderr has: " << text << printed;
  }
  for (const std::string& file : testCase.exists) EXPECT_TRUE(Present(workspace.PathOf(file))) << file << printed;
  for (const std::string& file : testCase.absent) EXPECT_FALSE(Present(workspace.PathOf(file))) << file << printed;
  for (const auto& [file, bytes] : before) {
    EXPECT_EQ(Contents(workspace.PathOf(file)), bytes) << file << " changed" << printed;
  }
  for (const auto& [file, text] : testCase.holds) {
    EXPECT_NE(Contents(workspace.PathOf(file)).find(workspace.Expand(text)), std::string::npos)
        << file << " lacks: " << text << printed;
  }
  for (const auto& [file, text] : testCase.holdsNot) {
    EXPECT_EQ(Contents(workspace.PathOf(file)).find(workspace.Expand(text)), std::string::npos)
        << file << " holds: " << text << printed;
  }
  if (testCase.maxMemoryMb) {
    EXPECT_LE(run.peakMemoryKb / 1024, *testCase.maxMemoryMb) << "peak memory " << run.peakMemoryKb << " kB";
  }
  RecordProperty("seconds", std::to_string(run.seconds));
  RecordProperty("peak_kb", std::to_string(run.peakMemoryKb));
}

INSTANTIATE_TEST_SUITE_P(Corpus, BadInput, ::testing::ValuesIn(CaseFiles()),
                         [](const ::testing::TestParamInfo<fs::path>& info) { return TestName(info.param); });
