// The export in a real window session: the X server xvfb-run started for this
// test program, the program without --batch, and xdotool as the user at the
// keyboard.

#include <cstdlib>
#include <filesystem>
#include <future>

#include "ExportFixture.h"
#include "ScreenUser.h"

namespace fs = std::filesystem;

using WindowSession = ExportFixture;

TEST_F(WindowSession, WritesWhatTheBatchSessionWrites) {
  const char* display = std::getenv("DISPLAY");
  ASSERT_NE(display, nullptr) << "runs under xvfb-run (scripts/setup installs xvfb and xdotool)";
  const fs::path model = CopySample();
  const fs::path sos = dir_.File("net/ledningsnett.sos");
  const fs::path settings = dir_.File("net/WSConfig/Ledningsnett_Eksempel.SOSIExport.cfg.xml");
  // The batch session first, to the same file, so that every path the run
  // stores is the same; then its files go.
  const ProgramResult batch = Run({model.string(), "--batch", "--output", sos.string()});
  ASSERT_EQ(batch.exitCode, 0) << batch.out << batch.err;
  const std::string batchFile = ReadBytes(sos);
  const std::string batchSettings = ReadBytes(settings);
  fs::remove(sos);
  fs::remove(settings);

  std::map<std::string, std::string> env = env_;
  env["QT_QPA_PLATFORM"] = "xcb";
  constexpr int kTimeout = 60;
  auto program = std::async(std::launch::async, [&] { return RunProgram(SOSI_EXPORT_PROGRAM, {model.string()}, env, kTimeout); });
  ScreenUser user("/usr/bin/xdotool", display, std::chrono::steady_clock::now() + std::chrono::seconds(kTimeout));
  // Return confirms the trench path dialog. The sheet opens with the keyboard
  // in "SOSI fil"; the browse button "..." beside it stores the typed name and
  // offers it in the save dialog, and only a stored name enables OK, at the
  // sheet's next idle moment.
  const std::string trace = user.WaitForWindow("Velg grøfteløp");
  ASSERT_TRUE(!trace.empty() && user.Focus(trace) && user.Do({"key", "Return"})) << user.Error();
  const std::string sheet = user.WaitForWindow("SOSI Eksport");
  ASSERT_TRUE(!sheet.empty() && user.Focus(sheet)) << user.Error();
  ASSERT_TRUE(user.Do({"key", "ctrl+a", "type", sos.string()})) << user.Error();
  ASSERT_TRUE(user.Do({"key", "Tab", "space"})) << user.Error();
  const std::string save = user.WaitForWindow("SOSI file");
  ASSERT_TRUE(!save.empty() && user.Focus(save) && user.PressUntilGone("SOSI file", "Return")) << user.Error();
  ASSERT_TRUE(user.Focus(sheet) && user.PressUntilGone("SOSI Eksport", "Return")) << user.Error();

  const ProgramResult window = program.get();
  EXPECT_EQ(window.exitCode, 0) << window.out << window.err;
  EXPECT_TRUE(ReadBytes(sos) == batchFile) << "the SOSI files differ";
  EXPECT_TRUE(ReadBytes(settings) == batchSettings) << "the settings files differ";
}
