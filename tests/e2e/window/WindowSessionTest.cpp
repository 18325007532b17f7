// The export in a real window session: the X server xvfb-run started for this
// test program, the program without --batch, and xdotool as the user at
// keyboard and mouse.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <memory>

#include "ExportFixture.h"
#include "ScreenUser.h"

namespace fs = std::filesystem;

namespace {

constexpr auto kSessionTimeout = std::chrono::seconds(60);
const char* const kXdotool = "/usr/bin/xdotool";
const char* const kTraceDialog = "Velg grøfteløp";
const char* const kSheet = "SOSI Eksport";
// A point in the "SOSI fil" box, relative to the sheet: the first row of the
// header page, right of its label, at the sheet's own size and font.
const char* const kFileNameBoxX = "390";
const char* const kFileNameBoxY = "57";

std::string FirstDifference(const std::string& a, const std::string& b) {
  const size_t at = static_cast<size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
  return std::to_string(a.size()) + " and " + std::to_string(b.size()) + " bytes, first difference at byte " +
         std::to_string(at) + ": \"" + a.substr(at, 40) + "\" against \"" + b.substr(std::min(at, b.size()), 40) +
         "\"";
}

}  // namespace

class WindowSession : public ExportFixture {
 protected:
  void SetUp() override {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || !fs::exists(kXdotool)) GTEST_SKIP() << "needs xvfb-run and xdotool (scripts/setup)";
    display_ = display;
    model_ = CopySample();
  }

  // `sosi-export MODEL` on the test's display, as typed in a terminal there.
  void StartWindowSession() {
    std::map<std::string, std::string> env = env_;
    // Not the offscreen platform the test runner sets for the test itself.
    env["QT_QPA_PLATFORM"] = "xcb";
    program_ = std::async(std::launch::async, [this, env] {
      return RunProgram(SOSI_EXPORT_PROGRAM, {model_.string()}, env, kSessionTimeout.count());
    });
    user_ = std::make_unique<ScreenUser>(kXdotool, display_, std::chrono::steady_clock::now() + kSessionTimeout);
  }

  // Confirms the trench path dialog unchanged: Return presses its default OK.
  void ConfirmTraceDialog() {
    const std::string dialog = user_->WaitForWindow(kTraceDialog);
    ASSERT_FALSE(dialog.empty()) << user_->Error();
    ASSERT_TRUE(user_->Focus(dialog)) << user_->Error();
    ASSERT_TRUE(user_->Do({"key", "Return"})) << user_->Error();
  }

  // The sheet's window, focused.
  std::string FocusSheet() {
    const std::string sheet = user_->WaitForWindow(kSheet);
    if (sheet.empty() || !user_->Focus(sheet)) {
      ADD_FAILURE() << user_->Error();
      return {};
    }
    return sheet;
  }

  fs::path SettingsFile() const { return dir_.File("net/WSConfig/Ledningsnett_Eksempel.SOSIExport.cfg.xml"); }

  std::string display_;
  fs::path model_;
  std::future<ProgramResult> program_;
  std::unique_ptr<ScreenUser> user_;
};

TEST_F(WindowSession, TypedFileNameWritesWhatTheBatchSessionWrites) {
  // The batch session first, to the same file, so that every path the run
  // stores is the same; then its files go, and the window session starts from
  // where the batch session started.
  const fs::path sos = dir_.File("net/ledningsnett.sos");
  const ProgramResult batch = Run({model_.string(), "--batch", "--output", sos.string()});
  ASSERT_EQ(batch.exitCode, 0) << batch.out << batch.err;
  const std::string batchFile = ReadBytes(sos);
  const std::string batchSettings = ReadBytes(SettingsFile());
  ASSERT_FALSE(batchFile.empty());
  fs::remove(sos);
  fs::remove(SettingsFile());

  ASSERT_NO_FATAL_FAILURE(StartWindowSession());
  ASSERT_NO_FATAL_FAILURE(ConfirmTraceDialog());
  const std::string sheet = FocusSheet();
  ASSERT_FALSE(sheet.empty());
  ASSERT_TRUE(user_->Do({"mousemove", "--window", sheet, "--sync", kFileNameBoxX, kFileNameBoxY, "click", "1", "key",
                         "ctrl+a", "type", sos.string()}))
      << user_->Error();
  // The page stores the typed name when it is left; only a stored name
  // enables OK, at the sheet's next idle moment.
  ASSERT_TRUE(user_->Do({"key", "ctrl+Tab", "ctrl+shift+Tab"})) << user_->Error();
  ASSERT_TRUE(user_->PressUntilGone(kSheet, "Return")) << user_->Error();

  const ProgramResult window = program_.get();
  EXPECT_EQ(window.exitCode, 0) << window.out << window.err;
  const std::string windowFile = ReadBytes(sos);
  EXPECT_TRUE(windowFile == batchFile) << FirstDifference(windowFile, batchFile);
  const std::string windowSettings = ReadBytes(SettingsFile());
  EXPECT_TRUE(windowSettings == batchSettings) << FirstDifference(windowSettings, batchSettings);
}

TEST_F(WindowSession, CancelledSheetEndsTheRunAndStoresNothing) {
  ASSERT_NO_FATAL_FAILURE(StartWindowSession());
  ASSERT_NO_FATAL_FAILURE(ConfirmTraceDialog());
  ASSERT_FALSE(FocusSheet().empty());
  ASSERT_TRUE(user_->Do({"key", "Escape"})) << user_->Error();

  EXPECT_EQ(program_.get().exitCode, 1);
  EXPECT_TRUE(fs::is_empty(dir_.File("net/WSConfig")));
}
