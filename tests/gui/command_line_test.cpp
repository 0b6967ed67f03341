#include "app/command_line.h"

#include <gtest/gtest.h>

#include <optional>

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

TEST(CommandLine, GameOptionsTakeTheirValuesAndRefuseTheRestNamingWhatTheyAccept) {
  // The arguments, the option looked at, and its value, or none and a part of the refusal.
  const struct {
    const char* arguments;
    const char* option;
    std::optional<int> value;
    const char* refusal = "";
  } cases[] = {
      {"--players 3", "players", 3},
      {"--players=1", "players", {}, "a whole number from 2 to 4"},
      {"--players=three", "players", {}, "'three'"},
      {"--columns=4", "columns", 4},
      {"--speed=fast", "speed", 2},
      {"--speed=Fast", "speed", {}, "slow, normal, fast"},
      {"--strength=strong", "strength", 1},
      {"--strength=best", "strength", {}, "classic, strong"},
      {"--computer=1", "computer", 0b0001},
      {"--players=4 --computer=2,3,4", "computer", 0b1110},
      {"--computer=2,1", "computer", 0b0011},
      {"--computer=", "computer", 0},
      {"--computer=3", "computer", {}, "player 3"},
      {"--players=3 --computer=4", "computer", {}, "3 players"},
      {"--computer=5", "computer", {}, "from 1 to 4"},
      {"--computer=2,2", "computer", {}},
      {"--speed=slow --speed=slow", "speed", {}, "only once"},
      {"--computer=2 --computer=1", "computer", {}, "--computer may be given only once"},
      {"--scale=3", "scale", 3},
      {"--scale=17", "scale", {}, "a whole number from 0 to 16"},
  };
  for (const auto& c : cases) {
    const CCommandLineInfo info =
        ParseCommandLine(QStringLiteral("tumbleroad %1").arg(c.arguments).split(' '));
    std::size_t place = 0;
    while (qstrcmp(GameOptions()[place].commandLineName, c.option) != 0) {
      ++place;
    }
    EXPECT_EQ(info.m_nShellCommand, c.value ? CCommandLineInfo::FileNew : CCommandLineInfo::Invalid)
        << c.arguments;
    EXPECT_EQ(c.value ? info.m_options[place] : c.value, c.value) << c.arguments;
    EXPECT_TRUE(info.m_strError.contains(c.refusal) &&
                (c.value || info.m_strError.contains(c.option)))
        << c.arguments << ": " << info.m_strError.toStdString();
  }
}

TEST(CommandLine, SeatsAreCheckedAgainstTheRememberedPlayersUnlessPlayersIsGiven) {
  const QStringList three{"tumbleroad", "--computer=3"};
  EXPECT_EQ(ParseCommandLine(three, 3).m_nShellCommand, CCommandLineInfo::FileNew);
  EXPECT_EQ(ParseCommandLine(three, 2).m_nShellCommand, CCommandLineInfo::Invalid);
  EXPECT_EQ(ParseCommandLine({"tumbleroad", "--computer=3", "--players=2"}, 4).m_nShellCommand,
            CCommandLineInfo::Invalid);
}

TEST(CommandLine, HelpListsEveryGameOption) {
  for (const char* flag : {"--players=N", "--computer=LIST", "--columns=N", "--strength=WORD"}) {
    EXPECT_TRUE(UsageText(QStringLiteral("tumbleroad")).contains(flag)) << flag;
  }
}

}  // namespace
