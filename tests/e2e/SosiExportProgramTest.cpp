#include <csignal>
#include <filesystem>
#include <regex>

#include "ExportFixture.h"
#include "NetworkGenerator.h"

namespace fs = std::filesystem;

namespace {

int Number(const std::string& text, const std::string& pattern) {
  std::smatch m;
  return std::regex_search(text, m, std::regex(pattern)) ? std::stoi(m[1]) : -1;
}

// The lines a terminal shows after `typescript`: carriage returns, line feeds
// and "erase to the end of the line" applied.
std::vector<std::string> Screen(const std::string& typescript) {
  std::vector<std::string> lines(1);
  size_t column = 0;
  for (size_t i = 0; i < typescript.size(); ++i) {
    const char c = typescript[i];
    std::string& line = lines.back();
    if (c == '\r') {
      column = 0;
    } else if (c == '\n') {
      lines.emplace_back();
      column = 0;
    } else if (typescript.compare(i, 3, "\033[K") == 0) {
      line.resize(std::min(line.size(), column));
      i += 2;
    } else {
      if (column < line.size()) {
        line[column] = c;
      } else {
        line += c;
      }
      ++column;
    }
  }
  return lines;
}

bool Shows(const std::vector<std::string>& screen, const std::string& text) {
  return std::any_of(screen.begin(), screen.end(), [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

}  // namespace

using SosiExportProgram = ExportFixture;

TEST_F(SosiExportProgram, SampleExportIsReadBackByGdalInEveryVariant) {
  ASSERT_TRUE(fs::exists("/usr/bin/ogrinfo")) << "GDAL (gdal-bin) is needed to read the files back";
  const auto model = CopySample();
  for (const char* format : {"0", "1", "2"}) {
    SCOPED_TRACE(std::string("format ") + format);
    TempDir fresh;  // ogrinfo leaves an index folder beside the file it reads
    const fs::path sos = fresh.File("ut.sos");
    const ProgramResult r = Run({model.string(), "--batch", "--output", sos.string(), "--format", format});
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
    const int curves = Number(r.out, R"(written: (\d+) curves)");
    const int points = Number(r.out, R"(curves, (\d+) points)");
    ASSERT_GT(curves, 0) << r.out;
    ASSERT_GT(points, 0) << r.out;
    const ProgramResult read = RunProgram("/usr/bin/ogrinfo", {"-ro", "-so", "-al", sos.string()});
    const std::string said = read.out + read.err;
    EXPECT_EQ(Number(said, R"(Layer name: lines[\s\S]*?Feature Count: (\d+))"), curves) << said;
    EXPECT_EQ(Number(said, R"(Layer name: points[\s\S]*?Feature Count: (\d+))"), points) << said;
    EXPECT_EQ(said.find("Error"), std::string::npos) << said;
  }
}

// On a terminal each message keeps its line and the progress line is gone
// when the run ends; --quiet leaves the messages out.
TEST_F(SosiExportProgram, OnATerminalEveryMessageStaysOnScreen) {
  const auto model = CopySample();
  const fs::path sos = dir_.File("ut.sos");
  for (const bool quiet : {false, true}) {
    SCOPED_TRACE(quiet ? "--quiet" : "messages");
    const std::string command = std::string(SOSI_EXPORT_PROGRAM) + " '" + model.string() + "' --batch --output '" +
                                sos.string() + "'" + (quiet ? " --quiet" : "");
    const ProgramResult r = RunProgram("/usr/bin/script", {"-qec", command, dir_.File("typescript").string()}, env_);
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
    const std::vector<std::string> screen = Screen(ReadBytes(dir_.File("typescript")));
    EXPECT_EQ(Shows(screen, "77 composites read."), !quiet) << r.out;
    EXPECT_EQ(Shows(screen, "SOSI file " + sos.string() + " written"), !quiet) << r.out;
    EXPECT_FALSE(Shows(screen, " s] ")) << "progress left behind: " << r.out;
  }
}

TEST_F(SosiExportProgram, StoppedWhileWritingLeavesNoTemporaryFile) {
  // A town large enough that its file takes a moment to write.
  fs::create_directories(dir_.File("town/WSConfig"));
  const fs::path model = dir_.File("town/town.xml");
  wsmodel::FileSink sink;
  ASSERT_TRUE(sink.Open(model.string()));
  wsmodel::NetworkGenerator(20000, 3).Write(sink, nullptr, nullptr);
  ASSERT_TRUE(sink.Commit());
  const fs::path sos = dir_.File("town/out.sos");
  // The shell stops the export with SIGTERM as soon as its temporary file shows.
  const std::string script = "\"$0\" \"$1\" --batch --quiet --output \"$2\" & pid=$!\n"
                             "until ls \"$2\".tmp* >/dev/null 2>&1; do kill -0 $pid || exit 9; done\n"
                             "kill -TERM $pid; wait $pid";
  const ProgramResult r = RunProgram("/bin/sh", {"-c", script, SOSI_EXPORT_PROGRAM, model.string(), sos.string()}, env_);
  ASSERT_EQ(r.exitCode, 128 + SIGTERM) << "the export ended before it was stopped\n" << r.err;
  for (const auto& entry : fs::directory_iterator(dir_.File("town"))) {
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
  }
  EXPECT_FALSE(fs::exists(sos));
}
