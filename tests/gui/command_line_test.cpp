#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

CCommandLineInfo Parse(std::initializer_list<const char*> arguments) {
  QStringList list{QStringLiteral("tumbleroad")};
  for (const char* argument : arguments) {
    list << QString::fromUtf8(argument);
  }
  return ParseCommandLine(list);
}

TEST(CommandLine, NothingStartsANewGameSeededByTheClock) {
  const CCommandLineInfo info = Parse({});
  EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileNew);
  EXPECT_FALSE(info.m_seed.has_value());
}

TEST(CommandLine, SeedIsTakenInEitherSpellingUpTo32Bits) {
  EXPECT_EQ(Parse({"--seed", "42"}).m_seed, 42u);
  EXPECT_EQ(Parse({"--seed=0"}).m_seed, 0u);
  EXPECT_EQ(Parse({"--seed=4294967295"}).m_seed, 4294967295u);
  EXPECT_EQ(Parse({"-seed", "7"}).m_seed, 7u);
  EXPECT_EQ(Parse({"--seed=7", "game.txt"}).m_nShellCommand, CCommandLineInfo::FileOpen);
}

TEST(CommandLine, BadSeedsAreRefusedWithTheValueInTheMessage) {
  for (const char* bad : {"--seed=-1", "--seed=4294967296", "--seed=12abc", "--seed=", "--seed= 5",
                          "--seed=+5", "--seed=0x10", "--seed=99999999999999999999"}) {
    const CCommandLineInfo info = Parse({bad});
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::Invalid) << bad;
    EXPECT_TRUE(info.m_strError.contains(QStringLiteral("seed"))) << bad;
  }
  EXPECT_TRUE(Parse({"--seed=abc"}).m_strError.contains(QStringLiteral("'abc'")));
  EXPECT_EQ(Parse({"--seed"}).m_nShellCommand, CCommandLineInfo::Invalid);
  EXPECT_EQ(Parse({"--seed=1", "--seed=2"}).m_nShellCommand, CCommandLineInfo::Invalid);
}

TEST(CommandLine, HelpAndVersionWinOverEverythingElse) {
  EXPECT_EQ(Parse({"--help"}).m_nShellCommand, CCommandLineInfo::ShowHelp);
  EXPECT_EQ(Parse({"--seed=3", "file", "--help"}).m_nShellCommand, CCommandLineInfo::ShowHelp);
  EXPECT_EQ(Parse({"--version"}).m_nShellCommand, CCommandLineInfo::ShowVersion);
  EXPECT_TRUE(UsageText(QStringLiteral("tumbleroad")).startsWith("Usage: tumbleroad "));
  EXPECT_TRUE(UsageText(QStringLiteral("tumbleroad")).contains("--seed=N"));
  EXPECT_TRUE(VersionText().startsWith("tumbleroad (Tumbleroad) "));
}

TEST(CommandLine, OneFileNameIsKeptAndMoreAreRefused) {
  const CCommandLineInfo one = Parse({"saved.game"});
  EXPECT_EQ(one.m_nShellCommand, CCommandLineInfo::FileOpen);
  EXPECT_EQ(one.m_strFileName, QStringLiteral("saved.game"));
  EXPECT_EQ(Parse({"--", "--seed=1"}).m_strFileName, QStringLiteral("--seed=1"));
  const CCommandLineInfo two = Parse({"a", "b"});
  EXPECT_EQ(two.m_nShellCommand, CCommandLineInfo::Invalid);
  EXPECT_TRUE(two.m_strError.contains(QStringLiteral("'a', 'b'")));
}

TEST(CommandLine, UnknownOptionsAreNamedInTheMessage) {
  for (const char* bad : {"--colour", "-x", "--seeds=1"}) {
    const CCommandLineInfo info = Parse({bad});
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::Invalid) << bad;
    EXPECT_FALSE(info.m_strError.isEmpty()) << bad;
  }
  EXPECT_TRUE(Parse({"--colour"}).m_strError.contains(QStringLiteral("colour")));
}

}  // namespace
