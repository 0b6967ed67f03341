#include "app/remember_options.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ai/computer_pace.h"
#include "ai/computer_strength.h"
#include "app/stored_options.h"
#include "game/game_state.h"
#include "shell_test_support.h"

namespace {

std::size_t PlaceOf(const char* key) {
  const std::span<const OptionEntry> table = GameOptions();
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].storedKey != nullptr && qstrcmp(table[i].storedKey, key) == 0) {
      return i;
    }
  }
  return table.size();
}

class RememberOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_folder.isValid());
    m_path = m_folder.filePath(QStringLiteral("tumbleroad/tumbleroad.conf"));
  }
  void TearDown() override {
    ResetGameState();
    g_speed = GameSpeed::kNormal;
    SetComputerStrength(ComputerStrength::kClassic);
    StartWithOptions({}, m_folder.filePath(QStringLiteral("none")));
  }
  void WriteFile(const QByteArray& text) {
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QFile file(m_path);
    file.remove();
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  QByteArray FileText() const {
    QFile file(m_path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir m_folder;
  QString m_path;
};

TEST_F(RememberOptionsTest, WrittenOptionsReadBackAsTheyWere) {
  std::vector<int> values;
  for (const OptionEntry& option : GameOptions()) {
    values.push_back(option.nMaximum);
  }
  values[PlaceOf("computer")] = 0b0101;
  ASSERT_EQ(WriteStoredOptions(m_path, GameOptions(), values), QString());
  const StoredOptions read = ReadStoredOptions(m_path, GameOptions());
  EXPECT_TRUE(read.warnings.isEmpty()) << read.warnings.join('\n').toStdString();
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (GameOptions()[i].storedKey != nullptr) {
      EXPECT_EQ(read.values[i], values[i]) << GameOptions()[i].storedKey;
    }
  }
  EXPECT_TRUE(FileText().contains("computer=1,3\n")) << FileText().toStdString();
}

TEST_F(RememberOptionsTest, ABadFileOrValueGivesTheDefaultWithOneWarningLineEach) {
  struct Case {
    QByteArray text;
    int warnings;
    const char* warned;  // a word of the warning
    const char* key;     // an option read from the file, or none
    std::optional<int> value;
  };
  const Case cases[] = {
      {"[Options]\ncolumns=4\nspeed=fast\n", 0, "", "columns", 4},
      {"[Options]\ncolumns=9\nspeed=fast\n", 1, "columns", "speed", 2},
      {"[Options]\ncolumns=9\nspeed=fast\n", 1, "2 to 4", "columns", {}},
      {"[Options]\nplayers=3\nspeed=warp\n", 1, "warp", "players", 3},
      {"[Options]\ncomputer=2,7\n", 1, "computer", "computer", {}},
      {"[Options]\nstrength=\n", 1, "strength", "strength", {}},
      {"\x7f"
       "ELF\x01\x02\x00garbage\xff\xfe",
       1,
       "not a file of remembered options",
       "speed",
       {}},
      {"", 1, "not a file", "players", {}},
      {"[Other]\nspeed=fast\n", 1, "not a file", "speed", {}},
  };
  // A file of its own for each case: QSettings keeps a file it has read
  // while its size and time stay the same.
  int nCase = 0;
  for (const Case& c : cases) {
    m_path = m_folder.filePath(QStringLiteral("case%1.conf").arg(++nCase));
    WriteFile(c.text);
    const StoredOptions read = ReadStoredOptions(m_path, GameOptions());
    ASSERT_EQ(read.warnings.size(), c.warnings) << c.text.toStdString();
    if (c.warnings > 0) {
      EXPECT_TRUE(read.warnings.front().contains(QString::fromUtf8(c.warned)))
          << read.warnings.front().toStdString();
      EXPECT_FALSE(read.warnings.front().contains('\n'));
    }
    EXPECT_EQ(read.values[PlaceOf(c.key)], c.value) << c.text.toStdString();
  }
  // A file that cannot be read at all (here a folder in its place).
  QFile::remove(m_path);
  QDir().mkpath(m_path);
  EXPECT_EQ(ReadStoredOptions(m_path, GameOptions()).warnings.size(), 1);
}

TEST_F(RememberOptionsTest, StartUsesTheFileAndTheCommandLineOnTopWithoutStoringIt) {
  WriteFile("[Options]\nplayers=3\ncomputer=1\nspeed=slow\nstrength=strong\ncolumns=9\n");
  OptionValues commandLine(GameOptions().size());
  commandLine[PlaceOf("computer")] = 0b0010;
  StartWithOptions(commandLine, m_path);
  EXPECT_TRUE(RememberingOptions());
  EXPECT_EQ(g_nPlayers, 3);
  EXPECT_EQ(g_nColumnsToWin, 3);
  EXPECT_EQ(g_speed, GameSpeed::kSlow);
  EXPECT_EQ(g_strength[3], ComputerStrength::kStrong);
  EXPECT_EQ(g_nPlayerType[0], kHumanSeat);
  EXPECT_EQ(g_nPlayerType[1], kComputerSeat);

  g_speed = GameSpeed::kFast;
  StoreChangedOptions();
  const QByteArray text = FileText();
  EXPECT_TRUE(text.contains("speed=fast\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("computer=1\n")) << "the command line's seats are not stored";
  EXPECT_TRUE(text.contains("columns=3\n")) << "a bad value is stored as the default";

  // Chosen in the menu, a value the command line gave is the person's own.
  g_nPlayerType[0] = kComputerSeat;
  StoreChangedOptions();
  EXPECT_TRUE(FileText().contains("computer=1,2\n")) << FileText().toStdString();
}

TEST_F(RememberOptionsTest, OffWritesNothingOnWritesAtOnceAndOffDeletesTheFile) {
  StartWithOptions({}, m_path);
  EXPECT_FALSE(RememberingOptions());
  g_nColumnsToWin = 4;
  StoreChangedOptions();
  EXPECT_FALSE(QFileInfo::exists(m_path));

  SetRememberOptions(true);
  EXPECT_TRUE(FileText().contains("columns=4\n")) << FileText().toStdString();
  g_nPlayers = 4;
  StoreChangedOptions();
  EXPECT_TRUE(FileText().contains("players=4\n"));

  // The next start begins with them.
  ResetGameState();
  StartWithOptions({}, m_path);
  EXPECT_EQ(g_nPlayers, 4);
  EXPECT_EQ(g_nColumnsToWin, 4);

  SetRememberOptions(false);
  EXPECT_FALSE(QFileInfo::exists(m_path));
  EXPECT_FALSE(RememberingOptions());
}

TEST_F(RememberOptionsTest, AFileThatCannotBeWrittenIsToldOnceAndTheGameGoesOn) {
  // A plain file where the folder should be: no folder can be made there.
  QFile blocker(m_folder.filePath(QStringLiteral("tumbleroad")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  StartWithOptions({}, m_path);
  {
    ModalWatcher watcher;
    SetRememberOptions(true);
    ASSERT_TRUE(watcher.Seen());
    EXPECT_TRUE(watcher.Text().contains(QDir::toNativeSeparators(m_path)))
        << watcher.Text().toStdString();
    EXPECT_TRUE(watcher.Text().contains(QStringLiteral("cannot be made")));
  }
  EXPECT_TRUE(RememberingOptions());
  ModalWatcher again;
  g_nColumnsToWin = 2;
  StoreChangedOptions();
  EXPECT_FALSE(again.Seen()) << "the failure was told already";
  EXPECT_EQ(g_nColumnsToWin, 2);
}

}  // namespace
