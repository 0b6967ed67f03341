#include <QDialog>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWindow>

#include "app/help_book.h"
#include "platform/ui/help_browser.h"
#include "shell_test_support.h"
#include "tests/gui/dialog_test_driver.h"

namespace {

void WriteFile(const QString& path, const QByteArray& content) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(content);
}

class HelpTest : public ::testing::Test {
 protected:
  void TearDown() override { WinHelp(nullptr, QString(), HELP_QUIT); }
};

TEST_F(HelpTest, BookIsFoundByTheHelpFileNameInTheFirstFolderThatHasIt) {
  QTemporaryDir first;
  QTemporaryDir second;
  WriteFile(second.filePath("TumbleroadHlp.html"), "<html></html>");
  const QStringList folders = {first.path(), second.path()};
  EXPECT_EQ(FindHelpBook("TumbleroadHlp.hlp", folders), second.filePath("TumbleroadHlp.html"));
  WriteFile(first.filePath("TumbleroadHlp.html"), "<html></html>");
  EXPECT_EQ(FindHelpBook("TumbleroadHlp.hlp", folders), first.filePath("TumbleroadHlp.html"));
  // Only the name counts: a folder in it cannot lead elsewhere.
  EXPECT_EQ(FindHelpBook("/elsewhere/TumbleroadHlp.hlp", folders),
            first.filePath("TumbleroadHlp.html"));
  EXPECT_TRUE(FindHelpBook("Other.hlp", folders).isEmpty());
  EXPECT_TRUE(FindHelpBook("TumbleroadHlp.hlp", {}).isEmpty());
}

TEST_F(HelpTest, OnlyRegularFilesOfTheBookOfBoundedSizeAreShown) {
  QTemporaryDir book;
  QTemporaryDir elsewhere;
  WriteFile(book.filePath("page.html"), "<html><title>A page</title></html>");
  WriteFile(book.filePath("big.html"), QByteArray(HelpBrowser::kMaxPageBytes + 1, 'x'));
  WriteFile(elsewhere.filePath("secret.html"), "<html><title>Secret</title></html>");
  QFile::link(elsewhere.filePath("secret.html"), book.filePath("link.html"));
  const QStringList folders = HelpDirectories();
  SetHelpDirectories({book.path()});
  const std::pair<QString, const char*> links[] = {
      {book.filePath("page.html"), "A page"},
      {elsewhere.filePath("secret.html"), "Not shown"},
      {book.filePath("../" + QDir(elsewhere.path()).dirName() + "/secret.html"), "Not shown"},
      {book.filePath("link.html"), "Not shown"},
      {book.filePath("big.html"), "Not shown"},
      {"/dev/zero", "Not shown"},
  };
  for (const auto& [path, title] : links) {
    HelpBrowser browser(nullptr);
    browser.setSource(QUrl::fromLocalFile(path));
    EXPECT_EQ(browser.documentTitle(), title) << path.toStdString();
  }
  SetHelpDirectories(folders);
}

TEST_F(HelpTest, InstalledProgramLooksInTheSharedDataFolder) {
  const QStringList folders = HelpDirectories();
  ASSERT_EQ(folders.size(), 2);
  EXPECT_TRUE(folders[0].endsWith("/help"));
  EXPECT_TRUE(folders[1].endsWith("/share/tumbleroad/help"));
}

TEST_F(HelpTest, AMissingBookIsReportedAndNothingElseChanges) {
  QWidget owner;
  ModalWatcher watcher;
  EXPECT_FALSE(WinHelp(&owner, "NoSuchBook.hlp", HELP_FINDER));
  EXPECT_TRUE(watcher.Seen());
  // The message names the file looked for and every folder searched.
  EXPECT_TRUE(watcher.Text().contains("NoSuchBook.html"));
  for (const QString& folder : HelpDirectories()) {
    EXPECT_TRUE(watcher.Text().contains(folder)) << folder.toStdString();
  }
  EXPECT_EQ(OpenHelpWindow(), nullptr);
}

TEST_F(HelpTest, TheBookIsInTheFirstLanguageAskedForThatHasOne) {
  const std::pair<QStringList, QString> cases[] = {
      {{}, "/help"},
      {{"de_DE", "de"}, "/help/de"},
      {{"it", "fr"}, "/help/fr"},
      {{"pt_BR", "pt"}, "/help"},
      {{"../..", "es"}, "/help/es"},
      {{"ja", "zh_CN", "zh"}, "/help"},
  };
  for (const auto& [languages, folder] : cases) {
    const QString contents = FindHelpBook(kHelpFile, ProgramHelpDirectories(languages));
    EXPECT_EQ(QFileInfo(contents).path(), QCoreApplication::applicationDirPath() + folder)
        << languages.join(':').toStdString();
  }
}

TEST_F(HelpTest, EachBookHasEveryPageAndEveryLinkLeadsToAPageOfIt) {
  const QDir english(QCoreApplication::applicationDirPath() + "/help");
  const QStringList pages = english.entryList({"*.html"});
  EXPECT_GE(pages.size(), 4);
  const QRegularExpression link(QStringLiteral("href=\"([^\"#]*)"));
  const QStringList languages = {"", "de", "fr", "es"};
  for (const QString& language : languages) {
    const QDir book(english.filePath(language));
    EXPECT_EQ(book.entryList({"*.html"}), pages) << language.toStdString();
    for (const QString& page : pages) {
      QFile file(book.filePath(page));
      ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
      const QString html = QString::fromUtf8(file.readAll());
      EXPECT_TRUE(html.contains("<title>")) << file.fileName().toStdString();
      for (const auto& match : link.globalMatch(html)) {
        EXPECT_TRUE(book.exists(match.captured(1)))
            << file.fileName().toStdString() << " links to " << match.captured(1).toStdString();
      }
    }
  }
}

TEST_F(HelpTest, OneHelpWindowShowsTheContentsAndQuitClosesIt) {
  EXPECT_TRUE(WinHelp(nullptr, kHelpFile, HELP_FINDER));
  CHelpWindow* help = OpenHelpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(HelpWindowTitle(), QStringLiteral("Tumbleroad Help"));
  help->Browser()->setSource(QUrl(QStringLiteral("rules.html")));
  EXPECT_TRUE(WinHelp(nullptr, kHelpFile, HELP_FINDER));
  EXPECT_EQ(OpenHelpWindow(), help) << "a second help window";
  EXPECT_EQ(help->windowTitle(), QStringLiteral("Tumbleroad Help"));
  EXPECT_TRUE(WinHelp(nullptr, QString(), HELP_QUIT));
  EXPECT_EQ(OpenHelpWindow(), nullptr);
}

TEST_F(HelpTest, HelpAskedForFromAModalDialogCanBeUsedWhileTheDialogStaysOpen) {
  QDialog dialog;
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.show();
  ASSERT_EQ(QApplication::activeModalWidget(), &dialog);

  // Help opened once before the dialog came up, then asked for again from it.
  WinHelp(nullptr, QString(), HELP_QUIT);
  dialog.hide();
  ASSERT_TRUE(WinHelp(nullptr, kHelpFile, HELP_FINDER));
  CHelpWindow* help = OpenHelpWindow();
  ASSERT_NE(help, nullptr);
  BlockWatcher state(help);
  dialog.show();
  ASSERT_TRUE(state.m_bBlocked) << "the check itself does not see modality";

  ASSERT_TRUE(WinHelp(nullptr, kHelpFile, HELP_FINDER));
  EXPECT_FALSE(state.m_bBlocked);
  EXPECT_TRUE(dialog.isVisible());

  // Once the dialog is gone the help window stays and stands on nothing.
  dialog.hide();
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->windowHandle()->transientParent(), nullptr);
}

}  // namespace
