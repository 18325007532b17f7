#include <gtest/gtest.h>

#include <string>

#include "FileSink.h"
#include "TempDir.h"

TEST(FileSink, LinesAndBlocksReachTheFileWholeAndInOrderOnCommit) {
  TempDir dir;
  const auto target = dir.Write("out.sos", "earlier file");
  const std::string block(1u << 20, 'b');
  const std::string larger((1u << 20) + 7, 'c');
  std::string expected;
  FileSink sink;
  ASSERT_TRUE(sink.Open(target.string()));
  // Three megabytes of lines and a bit: several blocks and a part of one, then whole blocks between lines.
  for (int line = 0; expected.size() < (3u << 20) + 100; ++line) {
    const std::string text = ".KURVE " + std::to_string(line) + ":\r\n";
    ASSERT_TRUE(sink.Write(text));
    expected += text;
  }
  const std::string* const after[] = {&block, &larger, &expected, &block};
  for (const std::string* bytes : after) ASSERT_TRUE(sink.Write(*bytes));
  EXPECT_EQ(ReadBytes(target), "earlier file");
  ASSERT_TRUE(sink.Commit());
  EXPECT_TRUE(ReadBytes(target) == expected + block + larger + expected + block);
}

TEST(FileSink, AFileNeverCommittedLeavesTheTargetAndNoTemporary) {
  TempDir dir;
  const auto target = dir.Write("out.sos", "earlier file");
  {
    FileSink sink;
    ASSERT_TRUE(sink.Open(target.string()));
    ASSERT_TRUE(sink.Write(std::string(2u << 20, 'x')));
  }
  EXPECT_EQ(ReadBytes(target), "earlier file");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}
