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

class RememberOptionsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    ResetGameState();
    g_speed = GameSpeed::kNormal;
    SetComputerStrength(ComputerStrength::kClassic);
    StartWithOptions({}, m_folder.filePath(QStringLiteral("none")));
  }
  // Each file is new: QSettings keeps one it has read while its size and time stay.
  QString WriteFile(const QByteArray& text) {
    m_path = m_folder.filePath(QStringLiteral("tumbleroad%1/tumbleroad.conf").arg(++m_nFiles));
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QFile file(m_path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    return m_path;
  }
  QByteArray FileText() const {
    QFile file(m_path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir m_folder;
  QString m_path = m_folder.filePath(QStringLiteral("tumbleroad/tumbleroad.conf"));
  int m_nFiles = 0;
};

TEST_F(RememberOptionsTest, ABadFileOrValueGivesTheDefaultWithOneWarningLineEach) {
  const struct {
    QByteArray text;
    const char* warned;  // words of the one warning, or none
    std::size_t option;  // the place in the table of an option read
    std::optional<int> value;
  } cases[] = {
      {"[Options]\ncolumns=4\nspeed=fast\n", nullptr, 0, 4},
      {"[Options]\ncolumns=9\nspeed=fast\n", "columns 2 to 4", 0, {}},
      {"[Options]\nplayers=3\nspeed=warp\n", "warp", 2, 3},
      {"[Options]\ncomputer=2,7\n", "computer", 1, {}},
      {"[Options]\nstrength=\n", "strength", 4, {}},
      {"garbage \x01\xff", "not a file of remembered options", 3, {}},
  };
  for (const auto& c : cases) {
    const StoredOptions read = ReadStoredOptions(WriteFile(c.text), GameOptions());
    ASSERT_EQ(read.warnings.size(), c.warned != nullptr ? 1 : 0) << c.text.toStdString();
    for (const QString& word : QString(c.warned).split(' ', Qt::SkipEmptyParts)) {
      EXPECT_TRUE(read.warnings.front().contains(word)) << word.toStdString();
    }
    EXPECT_EQ(read.values[c.option], c.value) << c.text.toStdString();
  }
}

TEST_F(RememberOptionsTest, OffWritesNothingOnWritesAtOnceAndOffDeletesTheFile) {
  StartWithOptions({}, m_path);
  g_nColumnsToWin = 4;
  StoreChangedOptions();
  EXPECT_FALSE(QFileInfo::exists(m_path));
  SetRememberOptions(true);
  EXPECT_TRUE(FileText().contains("columns=4\n")) << FileText().toStdString();
  g_nPlayers = 4;
  g_nPlayerType[1] = g_nPlayerType[3] = kComputerSeat;
  g_speed = GameSpeed::kFast;
  StoreChangedOptions();
  EXPECT_TRUE(FileText().contains("computer=2,4\n")) << FileText().toStdString();

  // The next start begins with them; the command line's are used, not stored.
  ResetGameState();
  g_speed = GameSpeed::kNormal;
  OptionValues commandLine(GameOptions().size());
  commandLine[0] = 2;  // columns
  StartWithOptions(commandLine, m_path);
  EXPECT_TRUE(RememberingOptions());
  EXPECT_EQ((std::vector<int>{g_nPlayers, g_nColumnsToWin, g_nPlayerType[3]}),
            (std::vector<int>{4, 2, kComputerSeat}));
  EXPECT_EQ(g_speed, GameSpeed::kFast);
  SetComputerStrength(ComputerStrength::kStrong);
  StoreChangedOptions();
  EXPECT_TRUE(FileText().contains("strength=strong\n"));
  EXPECT_TRUE(FileText().contains("columns=4\n")) << "the command line's columns are not stored";

  SetRememberOptions(false);
  EXPECT_FALSE(QFileInfo::exists(m_path));
}

TEST_F(RememberOptionsTest, AFileThatCannotBeWrittenIsToldOnceAndTheGameGoesOn) {
  QFile blocker(QFileInfo(m_path).absolutePath());  // a file where the folder should be
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  StartWithOptions({}, m_path);
  ModalWatcher watcher;
  SetRememberOptions(true);
  EXPECT_TRUE(watcher.Text().contains(QDir::toNativeSeparators(m_path)))
      << watcher.Text().toStdString();
  EXPECT_TRUE(watcher.Text().contains(QStringLiteral("cannot be made")));
  ModalWatcher again;
  g_nColumnsToWin = 2;
  StoreChangedOptions();
  EXPECT_FALSE(again.Seen()) << "the failure was told already";
  EXPECT_TRUE(RememberingOptions());
}

}  // namespace
