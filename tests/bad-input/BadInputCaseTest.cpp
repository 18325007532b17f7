// The case file reader: a mistake here would make cases test less than they say.

#include "BadInputCase.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "TempDir.h"

TEST(BadInputCase, ExpandsTheFolderRepeatsAndEscapes) {
  EXPECT_EQ(ExpandValue("{work}/m.xml", "/tmp/w"), "/tmp/w/m.xml");
  EXPECT_EQ(ExpandValue("<a>{3*<b>}</a>", "/w"), "<a><b><b><b></a>");
  EXPECT_EQ(ExpandValue("{2*\\x41}", "/w"), "AA");
  EXPECT_EQ(ExpandValue("a\\nb\\x00c\\\\", "/w"), std::string("a\nb\0c\\", 6));
  EXPECT_EQ(ExpandValue("{not a repeat}", "/w"), "{not a repeat}");
}

TEST(BadInputCase, ReadsStepsInOrderAndExpectations) {
  TempDir dir;
  const auto file = dir.Write("x.case",
                              "# The model is a folder.\n# Second line.\n\nmkdir: m.xml\nwrite: a b.txt  two words\n"
                              "run: m.xml --batch\nexit: 1\nstdout: Read m.xml failed.\nholds: f.txt some text\n"
                              "env: LMWS_CONFIGDB={work}/x_y.db\n");
  const BadInputCase c = ReadCase(file);
  EXPECT_EQ(c.about, "The model is a folder. Second line. ");
  ASSERT_EQ(c.setup.size(), 2u);
  EXPECT_EQ(c.setup[0].action, "mkdir");
  EXPECT_EQ(c.setup[1].operands, (std::vector<std::string>{"a", "b.txt  two words"}));
  EXPECT_EQ(c.args, (std::vector<std::string>{"m.xml", "--batch"}));
  EXPECT_EQ(c.exitCode, 1);
  EXPECT_EQ(c.stdoutHas, std::vector<std::string>{"Read m.xml failed."});
  EXPECT_EQ(c.holds.at(0), (std::pair<std::string, std::string>{"f.txt", "some text"}));
  EXPECT_EQ(c.env.at("LMWS_CONFIGDB"), "{work}/x_y.db");
}

TEST(BadInputCase, RefusesUnknownKeysAndCasesWithoutExpectedExit) {
  TempDir dir;
  EXPECT_THROW(ReadCase(dir.Write("a.case", "run: x\nexit: 0\nstdot: typo\n")), std::runtime_error);
  EXPECT_THROW(ReadCase(dir.Write("b.case", "run: x\n")), std::runtime_error);
  EXPECT_THROW(ReadCase(dir.Write("c.case", "run: x\nexit: one\n")), std::runtime_error);
}
