#include "app/options_table.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <QtGlobal>

#include "ai/computer_pace.h"
#include "ai/computer_strength.h"
#include "app/board_scale.h"
#include "app/remember_options.h"
#include "game/game_state.h"
#include "res/resource.h"

namespace {

constexpr UINT kSubmenu = 0;
constexpr int kSeats = 4;
constexpr int kLargestBoardScale = 16;

constexpr MenuItem kSpeedItems[] = {
    {QT_TRANSLATE_NOOP("Menu", "&Slow"), ID_OPTIONS_SPEED_SLOW, {}, true},
    {QT_TRANSLATE_NOOP("Menu", "&Normal"), ID_OPTIONS_SPEED_NORMAL, {}, true},
    {QT_TRANSLATE_NOOP("Menu", "&Fast"), ID_OPTIONS_SPEED_FAST, {}, true},
};
constexpr const char* kSpeedWords[] = {"slow", "normal", "fast"};
static_assert(static_cast<int>(GameSpeed::kSlow) == 0 && static_cast<int>(GameSpeed::kFast) == 2);

constexpr MenuItem kStrengthItems[] = {
    {QT_TRANSLATE_NOOP("Menu", "&Classic"), ID_OPTIONS_STRENGTH_CLASSIC, {}, true},
    {QT_TRANSLATE_NOOP("Menu", "S&trong"), ID_OPTIONS_STRENGTH_STRONG, {}, true},
};
constexpr const char* kStrengthWords[] = {"classic", "strong"};
static_assert(static_cast<int>(ComputerStrength::kStrong) == 1);

// The seats played by the computer, one bit a seat.
int ComputerSeats() {
  int seats = 0;
  for (int s = 0; s < kSeats; ++s) {
    seats |= g_nPlayerType[s] == kComputerSeat ? 1 << s : 0;
  }
  return seats;
}

void SetComputerSeats(int seats) {
  for (int s = 0; s < kSeats; ++s) {
    g_nPlayerType[s] = (seats & (1 << s)) != 0 ? kComputerSeat : kHumanSeat;
  }
}

const OptionEntry kGameOptions[] = {
    {.menu = {QT_TRANSLATE_NOOP("Menu", "&Number of Columns"), ID_OPTIONS_COLUMNS},
     .nMinimum = 2,
     .nMaximum = 4,
     .nDefault = 3,
     .commandLineName = "columns",
     .commandLineHelp = QT_TRANSLATE_NOOP("CommandLine", "columns to claim to win, 2 to 4 (3)"),
     .storedKey = "columns",
     .get = [] { return g_nColumnsToWin; },
     .set = [](int n) { g_nColumnsToWin = n; }},
    {.menu = {QT_TRANSLATE_NOOP("Menu", "&Players"), ID_OPTIONS_PLAYERS},
     .text = OptionText::kSeats,
     .nMaximum = (1 << kSeats) - 1,
     .commandLineName = "computer",
     .commandLineHelp =
         QT_TRANSLATE_NOOP("CommandLine", "players the computer plays: 2 or 2,3,4 (none)"),
     .storedKey = "computer",
     .get = ComputerSeats,
     .set = SetComputerSeats},
    {.menu = {QT_TRANSLATE_NOOP("Menu", "Number of Players"), ID_OPTIONS_NUM_PLAYERS},
     .nMinimum = 2,
     .nMaximum = 4,
     .nDefault = 2,
     .commandLineName = "players",
     .commandLineHelp = QT_TRANSLATE_NOOP("CommandLine", "number of players, 2 to 4 (2)"),
     .storedKey = "players",
     .get = [] { return g_nPlayers; },
     .set = [](int n) { g_nPlayers = n; }},
    {.menu = {QT_TRANSLATE_NOOP("Menu", "&Speed"), kSubmenu, kSpeedItems},
     .bSeparatorBefore = true,
     .text = OptionText::kWords,
     .nMaximum = 2,
     .nDefault = static_cast<int>(GameSpeed::kNormal),
     .words = kSpeedWords,
     // The computer plays on at the new pace.
     .bWaitsForYield = false,
     .commandLineName = "speed",
     .commandLineHelp =
         QT_TRANSLATE_NOOP("CommandLine", "the computer's pace: slow, normal or fast (normal)"),
     .storedKey = "speed",
     .get = [] { return static_cast<int>(g_speed); },
     .set = [](int n) { g_speed = static_cast<GameSpeed>(n); }},
    {.menu = {QT_TRANSLATE_NOOP("Menu", "Computer S&trength"), kSubmenu, kStrengthItems},
     .text = OptionText::kWords,
     .nMaximum = 1,
     .nDefault = static_cast<int>(ComputerStrength::kClassic),
     .words = kStrengthWords,
     .commandLineName = "strength",
     .commandLineHelp =
         QT_TRANSLATE_NOOP("CommandLine", "the computer's play: classic or strong (classic)"),
     .storedKey = "strength",
     // Every computer seat plays at the one level the menu sets.
     .get = [] { return static_cast<int>(g_strength[0]); },
     .set = [](int n) { SetComputerStrength(static_cast<ComputerStrength>(n)); }},
    {.menu = {.text = QT_TRANSLATE_NOOP("Menu", "&Remember Options"),
              .nID = ID_OPTIONS_REMEMBER,
              .bToggle = true},
     .bSeparatorBefore = true,
     .nMaximum = 1,
     .get = [] { return RememberingOptions() ? 1 : 0; },
     .set = [](int n) { SetRememberOptions(n == 1); }},
    // Chosen with Ctrl++, Ctrl+- and Ctrl+0, not in the menu; 0 is the
    // scale the screen gives the opening window.
    {.menu = {},
     .nMaximum = kLargestBoardScale,
     .commandLineName = "scale",
     .commandLineHelp = QT_TRANSLATE_NOOP(
         "CommandLine", "the board's scale: 1 to 16, or 0 as the screen gives (0)"),
     .storedKey = "scale",
     .get = BoardScale,
     .set = SetBoardScale},
};

std::optional<int> ParseSeats(const QString& text) {
  int seats = 0;
  if (text.isEmpty()) {
    return seats;
  }
  for (const QString& part : text.split(QLatin1Char(','))) {
    bool isNumber = false;
    const int seat = part.toInt(&isNumber);
    const bool plain = part.size() == 1 && part.front().isDigit();
    if (!isNumber || !plain || seat < 1 || seat > kSeats || (seats & (1 << (seat - 1))) != 0) {
      return std::nullopt;
    }
    seats |= 1 << (seat - 1);
  }
  return seats;
}

}  // namespace

std::span<const OptionEntry> GameOptions() {
  return kGameOptions;
}

std::optional<int> ParseOptionValue(const OptionEntry& option, const QString& text) {
  switch (option.text) {
    case OptionText::kNumber: {
      static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
      if (!digits.match(text).hasMatch()) {
        return std::nullopt;
      }
      const int value = text.toInt();
      if (value < option.nMinimum || value > option.nMaximum) {
        return std::nullopt;
      }
      return value;
    }
    case OptionText::kWords:
      for (std::size_t i = 0; i < option.words.size(); ++i) {
        if (text == QLatin1String(option.words[i])) {
          return option.nMinimum + static_cast<int>(i);
        }
      }
      return std::nullopt;
    case OptionText::kSeats:
      return ParseSeats(text);
  }
  return std::nullopt;
}

QString OptionValueText(const OptionEntry& option, int nValue) {
  switch (option.text) {
    case OptionText::kNumber:
      return QString::number(nValue);
    case OptionText::kWords:
      return QString::fromLatin1(option.words[static_cast<std::size_t>(nValue - option.nMinimum)]);
    case OptionText::kSeats: {
      QStringList seats;
      for (int s = 0; s < kSeats; ++s) {
        if ((nValue & (1 << s)) != 0) {
          seats << QString::number(s + 1);
        }
      }
      return seats.join(QLatin1Char(','));
    }
  }
  return {};
}

QString OptionAccepts(const OptionEntry& option) {
  switch (option.text) {
    case OptionText::kNumber:
      return QCoreApplication::translate("CommandLine", "a whole number from %1 to %2")
          .arg(option.nMinimum)
          .arg(option.nMaximum);
    case OptionText::kWords: {
      QStringList words;
      for (const char* word : option.words) {
        words << QString::fromLatin1(word);
      }
      return QCoreApplication::translate("CommandLine", "one of %1")
          .arg(words.join(QStringLiteral(", ")));
    }
    case OptionText::kSeats:
      return QCoreApplication::translate(
                 "CommandLine",
                 "player numbers from 1 to %1, each at most once, separated by commas")
          .arg(kSeats);
  }
  return {};
}

std::vector<MenuItem> OptionMenuItems(std::span<const OptionEntry> table) {
  std::vector<MenuItem> items;
  for (const OptionEntry& option : table) {
    if (option.menu.text == nullptr) {
      continue;
    }
    if (option.bSeparatorBefore) {
      items.push_back({"", 0});
    }
    items.push_back(option.menu);
  }
  return items;
}

std::optional<OptionCommand> FindOptionCommand(std::span<const OptionEntry> table, UINT nID) {
  for (const OptionEntry& option : table) {
    if (option.menu.bToggle && option.menu.nID == nID) {
      return OptionCommand{&option, option.get() == 1 ? 0 : 1};
    }
    for (std::size_t i = 0; i < option.menu.submenu.size(); ++i) {
      if (option.menu.submenu[i].nID == nID) {
        return OptionCommand{&option, option.nMinimum + static_cast<int>(i)};
      }
    }
  }
  return std::nullopt;
}

bool IsOptionChecked(std::span<const OptionEntry> table, UINT nID) {
  const std::optional<OptionCommand> command = FindOptionCommand(table, nID);
  if (!command) {
    return false;
  }
  // A toggle's command chooses the value it does not have.
  return command->option->menu.bToggle ? command->nValue == 0
                                       : command->option->get() == command->nValue;
}

bool OptionRunsDuringPlay(std::span<const OptionEntry> table, UINT nID) {
  const std::optional<OptionCommand> command = FindOptionCommand(table, nID);
  return command && !command->option->bWaitsForYield;
}
