// The game in other languages: the locale variables choose the language,
// every text a person reads goes through the translator, a German start-up
// shows German menus, and every dialog fits its words in every language
// shipped.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAccessible>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <map>
#include <memory>

#include "app/about_dlg.h"
#include "app/board_words.h"
#include "app/command_line.h"
#include "app/status_line.h"
#include "app/ui_language.h"
#include "dialogs/column_choice.h"
#include "dialogs/num_players.h"
#include "dialogs/players_dlg.h"
#include "platform/file_names.h"
#include "platform/ui/dialog_fit.h"
#include "shell_test_support.h"
#include "tests/gui/dialog_test_driver.h"

namespace {

const QStringList kShipped = {"de", "fr", "es", "it", "pt_BR", "nl", "pl", "ru", "ja", "zh_CN"};

TEST(WantedLanguages, FollowTheLocaleVariablesInTheirOrder) {
  struct Case {
    std::map<std::string, QString> environment;
    QStringList wanted;
  };
  const Case cases[] = {
      {{}, {}},
      {{{"LANG", "de_DE.UTF-8"}}, {"de_DE", "de"}},
      {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, {"fr_FR", "fr"}},
      {{{"LC_MESSAGES", "fr_FR"}, {"LC_ALL", "es_ES.UTF-8@euro"}}, {"es_ES", "es"}},
      {{{"LC_ALL", "es_ES"}, {"LANGUAGE", "pt_BR:ja"}}, {"pt_BR", "pt", "ja"}},
      {{{"LANGUAGE", "nl::ru_RU"}}, {"nl", "ru_RU", "ru"}},
      {{{"LANGUAGE", ""}, {"LANG", "zh_CN.UTF-8"}}, {"zh_CN", "zh"}},
      {{{"LANG", "C.UTF-8"}}, {}},
      {{{"LC_ALL", "POSIX"}, {"LANG", "de_DE"}}, {}},
      {{{"LANGUAGE", "it:C:de"}}, {"it"}},
  };
  for (const Case& c : cases) {
    const QStringList wanted = WantedLanguages([&c](const char* name) {
      const auto found = c.environment.find(name);
      return found != c.environment.end() ? found->second : QString();
    });
    EXPECT_EQ(wanted, c.wanted) << c.wanted.join(':').toStdString();
  }
}

TEST(InstallTranslations, TakesTheFirstLanguageItHasAndFallsBackToEnglish) {
  const std::pair<QStringList, QString> cases[] = {
      {{"xx", "de_AT", "de", "fr"}, "de"},
      {{"pt_BR", "pt"}, "pt_BR"},
      {{"en_GB", "en", "fr"}, ""},
      {{"xx", "yy"}, ""},
      {{}, ""},
  };
  for (const auto& [wanted, installed] : cases) {
    EXPECT_EQ(InstallTranslations(wanted), installed) << wanted.join(':').toStdString();
    EXPECT_EQ(UiLanguage(), installed);
  }
  EXPECT_EQ(QCoreApplication::translate("Menu", "&Game"), QStringLiteral("&Game"));
}

// A translator that wraps every text it is asked for in ⟦ ⟧: a text shown
// without them was never asked for.
class WrappingTranslator : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* source, const char*, int) const override {
    return QStringLiteral("⟦%1⟧").arg(QString::fromUtf8(source));
  }
};

// What is left of a text once every wrapped part is taken out: English words
// left over were never translated.
QString Unwrapped(QString text) {
  static const QRegularExpression wrapped(QStringLiteral("⟦[^⟦⟧]*⟧"));
  while (text.contains(wrapped)) {
    text.remove(wrapped);
  }
  return text;
}

bool HasWords(const QString& text) {
  static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
  return text.contains(word);
}

class PseudoLocale : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    InstallTranslations({});
    QCoreApplication::installTranslator(&m_translator);
  }
  void TearDown() override {
    QCoreApplication::removeTranslator(&m_translator);
    ShellTest::TearDown();
  }
  void ExpectMarked(const QString& text) {
    EXPECT_FALSE(text.isEmpty());
    EXPECT_FALSE(HasWords(Unwrapped(text))) << text.toStdString();
  }
  WrappingTranslator m_translator;
};

TEST_F(PseudoLocale, MenusAndTheBoardsWordsAreAllTranslated) {
  Start();
  QList<QAction*> actions = Window()->findChild<QMenuBar*>()->actions();
  for (qsizetype i = 0; i < actions.size(); ++i) {
    if (actions[i]->menu() != nullptr) {
      actions += actions[i]->menu()->actions();
    }
    if (!actions[i]->isSeparator()) {
      ExpectMarked(actions[i]->text());
    }
  }
  EXPECT_GT(actions.size(), 12);
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(Frame()->SurfaceWidget());
  ASSERT_NE(board, nullptr);
  ExpectMarked(board->text(QAccessible::Name));
  ExpectMarked(board->text(QAccessible::Description));
  for (int i = 0; i < board->childCount(); ++i) {
    const QString name = board->child(i)->text(QAccessible::Name);
    if (!name.isEmpty()) {
      ExpectMarked(name);
    }
    const QString description = board->child(i)->text(QAccessible::Description);
    if (!description.isEmpty()) {
      ExpectMarked(description);
    }
  }
  g_nPlayerType[1] = kComputerSeat;
  const PlayEvent events[] = {
      {PlayEventKind::kBust, 0},
      {PlayEventKind::kNoPlay, 1},
      {PlayEventKind::kStop, 0, 1u << 7},
      {PlayEventKind::kClaim, 0, 1u << 7},
      {PlayEventKind::kClaim, 1, (1u << 2) | (1u << 12)},
      {PlayEventKind::kWin, 1},
      {PlayEventKind::kNoWinner, -1},
  };
  for (const PlayEvent& event : events) {
    ExpectMarked(PlayEventWords(event));
  }
  ExpectMarked(TurnPromptWords());
  g_bPairPlayed = 1;
  ExpectMarked(TurnPromptWords());
  g_bPairPlayed = 0;
  g_nWinner = 2;
  ExpectMarked(BannerText());
  g_nWinner = 0;
  g_bNoWinner = 1;
  ExpectMarked(BannerText());
}

TEST_F(PseudoLocale, TheCommandLineAndTheHelpWindowAreTranslated) {
  ExpectMarked(UsageText(QStringLiteral("tumbleroad")));
  for (const QStringList& arguments : {QStringList{"tumbleroad", "--seed=1", "--seed=2"},
                                       {"tumbleroad", "--seed=x"},
                                       {"tumbleroad", "a", "b"},
                                       {"tumbleroad", "--players=9"},
                                       {"tumbleroad", "--computer=3"},
                                       {"tumbleroad", "--speed=fast", "--speed=slow"}}) {
    ExpectMarked(ParseCommandLine(arguments).m_strError);
  }
  // The one file the game refuses in its own words: a pipe nobody writes to.
  QTemporaryDir folder;
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(folder.path()));
  ASSERT_EQ(mkfifo("7", 0600), 0);
  ExpectMarked(CannotOpenMessage(QStringLiteral("7")));
  QDir::setCurrent(previous);
  CHelpWindow help;
  const QList<QPushButton*> buttons = help.findChildren<QPushButton*>();
  EXPECT_EQ(buttons.size(), 3);
  for (QPushButton* button : buttons) {
    ExpectMarked(button->text());
  }
}

// Every dialog the game opens.
std::vector<std::function<std::unique_ptr<CDialog>()>> AllDialogs() {
  return {
      [] { return std::make_unique<CAboutDlg>(); },
      [] { return std::make_unique<CColumnChoice>(); },
      [] { return std::make_unique<CNumPlayers>(); },
      [] { return std::make_unique<CTwoPlayersDlg>(); },
      [] { return std::make_unique<CThreePlayersDlg>(); },
      [] { return std::make_unique<CFourPlayersDlg>(); },
  };
}

std::vector<QWidget*> Controls(QDialog& window) {
  std::vector<QWidget*> controls;
  for (QObject* child : window.children()) {
    if (child->isWidgetType() && child->property("controlId").isValid()) {
      controls.push_back(static_cast<QWidget*>(child));
    }
  }
  return controls;
}

QString Shown(QWidget* control) {
  if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    return button->text();
  }
  if (auto* groupBox = qobject_cast<QGroupBox*>(control)) {
    return groupBox->title();
  }
  return qobject_cast<QLabel*>(control)->text();
}

TEST_F(PseudoLocale, DialogsShowOnlyTranslatedTexts) {
  DisplaylessMainWindow mainWindow;
  for (const auto& make : AllDialogs()) {
    std::unique_ptr<CDialog> dlg = make();
    RunModal(*dlg, [this](QDialog& window) {
      ExpectMarked(window.windowTitle());
      for (QWidget* control : Controls(window)) {
        if (!Shown(control).isEmpty()) {
          ExpectMarked(Shown(control));
        }
      }
      window.close();
    });
  }
}

class InEveryLanguage : public testing::TestWithParam<QString> {
 protected:
  void SetUp() override { ASSERT_EQ(InstallTranslations({GetParam()}), GetParam()); }
  void TearDown() override { InstallTranslations({}); }
  DisplaylessMainWindow m_mainWindow;
};

// Each control shows its whole text on its line, inside the dialog, and
// no two controls overlap but a group box round the controls it frames.
TEST_P(InEveryLanguage, EveryDialogFitsItsWords) {
  for (const auto& make : AllDialogs()) {
    std::unique_ptr<CDialog> dlg = make();
    RunModal(*dlg, [](QDialog& window) {
      SCOPED_TRACE(window.windowTitle().toStdString());
      EXPECT_LE(CaptionWidthNeeded(window.windowTitle()), window.width());
      const std::vector<QWidget*> controls = Controls(window);
      for (QWidget* control : controls) {
        SCOPED_TRACE(Shown(control).toStdString());
        EXPECT_LE(TextWidthNeeded(control, Shown(control)), control->width());
        EXPECT_LE(control->fontMetrics().height(), control->height());
        EXPECT_TRUE(window.rect().contains(control->geometry()));
        for (QWidget* other : controls) {
          const bool framed = qobject_cast<QGroupBox*>(other) != nullptr &&
                              other->geometry().contains(control->geometry());
          if (other != control && !framed && qobject_cast<QGroupBox*>(control) == nullptr) {
            EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                << Shown(other).toStdString();
          }
        }
      }
      window.close();
    });
  }
}

INSTANTIATE_TEST_SUITE_P(Shipped, InEveryLanguage, testing::ValuesIn(kShipped),
                         [](const testing::TestParamInfo<QString>& info) {
                           return info.param.toStdString();
                         });

class GermanStartUp : public ShellTest {
 protected:
  void TearDown() override {
    ShellTest::TearDown();
    InstallTranslations({});
  }
};

TEST_F(GermanStartUp, ShowsGermanMenusAndQtsOwnButtons) {
  ASSERT_EQ(InstallTranslations(WantedLanguages([](const char* name) {
              return QString::fromLatin1(name) == QLatin1String("LANG")
                         ? QStringLiteral("de_DE.UTF-8")
                         : QString();
            })),
            QStringLiteral("de"));
  Start();
  QStringList titles;
  for (QAction* popup : Window()->findChild<QMenuBar*>()->actions()) {
    titles << popup->text();
  }
  EXPECT_EQ(titles, QStringList({"&Spiel", "&Optionen", "&Hilfe"}));
  const QList<QAction*> game =
      Window()->findChild<QMenuBar*>()->actions().front()->menu()->actions();
  EXPECT_EQ(game.front()->text(), QStringLiteral("&Neu\tF2"));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

}  // namespace
