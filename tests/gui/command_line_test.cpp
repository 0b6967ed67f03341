#include "app/command_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

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

// The value an option of the game's table was given, by its command-line name.
std::optional<int> Given(const CCommandLineInfo& info, const char* name) {
  const std::span<const OptionEntry> table = GameOptions();
  for (std::size_t i = 0; i < table.size() && i < info.m_options.size(); ++i) {
    if (table[i].commandLineName != nullptr && qstrcmp(table[i].commandLineName, name) == 0) {
      return info.m_options[i];
    }
  }
  return std::nullopt;
}

TEST(CommandLine, GameOptionsTakeTheirValuesAndRefuseTheRestNamingWhatTheyAccept) {
  struct Case {
    std::vector<const char*> arguments;
    const char* option;
    std::optional<int> value;  // none: refused, the message naming the option and the words
    const char* inMessage = "";
  };
  const Case cases[] = {
      {{"--players=2"}, "players", 2},
      {{"--players=4"}, "players", 4},
      {{"--players", "3"}, "players", 3},
      {{"--players=1"}, "players", {}, "a whole number from 2 to 4"},
      {{"--players=5"}, "players", {}, "from 2 to 4"},
      {{"--players=three"}, "players", {}, "'three'"},
      {{"--players=+3"}, "players", {}, "--players"},
      {{"--columns=2"}, "columns", 2},
      {{"--columns=4"}, "columns", 4},
      {{"--columns=0"}, "columns", {}, "from 2 to 4"},
      {{"--speed=slow"}, "speed", 0},
      {{"--speed=fast"}, "speed", 2},
      {{"--speed=Fast"}, "speed", {}, "slow, normal, fast"},
      {{"--strength=strong"}, "strength", 1},
      {{"--strength=classic"}, "strength", 0},
      {{"--strength=best"}, "strength", {}, "classic, strong"},
      {{"--computer=1"}, "computer", 0b0001},
      {{"--computer=2"}, "computer", 0b0010},
      {{"--players=4", "--computer=2,3,4"}, "computer", 0b1110},
      {{"--computer=2,1"}, "computer", 0b0011},
      {{"--computer="}, "computer", 0},
      {{"--computer=3"}, "computer", {}, "player 3"},
      {{"--players=3", "--computer=4"}, "computer", {}, "3 players"},
      {{"--computer=5"}, "computer", {}, "from 1 to 4"},
      {{"--computer=2,2"}, "computer", {}, "--computer"},
      {{"--computer=0"}, "computer", {}, "--computer"},
      {{"--computer=2,"}, "computer", {}, "--computer"},
      {{"--computer=12"}, "computer", {}, "--computer"},
      {{"--speed=slow", "--speed=slow"}, "speed", {}, "only once"},
      {{"--computer=2", "--computer=1"}, "computer", {}, "--computer may be given only once"},
  };
  for (const Case& c : cases) {
    QStringList list{QStringLiteral("tumbleroad")};
    for (const char* argument : c.arguments) {
      list << QString::fromUtf8(argument);
    }
    const std::string shown = list.join(' ').toStdString();
    const CCommandLineInfo info = ParseCommandLine(list);
    if (c.value) {
      EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileNew) << shown;
      EXPECT_EQ(Given(info, c.option), c.value) << shown;
    } else {
      EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::Invalid) << shown;
      EXPECT_TRUE(info.m_strError.contains(QString::fromLatin1(c.option))) << shown;
      EXPECT_TRUE(info.m_strError.contains(QString::fromUtf8(c.inMessage)))
          << shown << ": " << info.m_strError.toStdString();
    }
  }
}

TEST(CommandLine, SeatsAreCheckedAgainstTheRememberedPlayersUnlessPlayersIsGiven) {
  const QStringList three{"tumbleroad", "--computer=3"};
  EXPECT_EQ(ParseCommandLine(three, 3).m_nShellCommand, CCommandLineInfo::FileNew);
  EXPECT_EQ(ParseCommandLine(three, 2).m_nShellCommand, CCommandLineInfo::Invalid);
  EXPECT_EQ(ParseCommandLine({"tumbleroad", "--computer=3", "--players=2"}, 4).m_nShellCommand,
            CCommandLineInfo::Invalid);
}

TEST(CommandLine, NoGameOptionGivenLeavesEveryOptionAsItIs) {
  const CCommandLineInfo info = Parse({"--seed=5"});
  for (const std::optional<int>& value : info.m_options) {
    EXPECT_FALSE(value.has_value());
  }
}

TEST(CommandLine, HelpListsEveryGameOption) {
  const QString usage = UsageText(QStringLiteral("tumbleroad"));
  for (const char* flag : {"--players=N", "--computer=LIST", "--columns=N", "--speed=WORD",
                           "--strength=WORD", "--seed=N", "FILE, if given"}) {
    EXPECT_TRUE(usage.contains(QString::fromLatin1(flag))) << flag;
  }
  for (const QString& line : usage.split('\n')) {
    EXPECT_LE(line.size(), 80) << line.toStdString();
  }
}

}  // namespace
