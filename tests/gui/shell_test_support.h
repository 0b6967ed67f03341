// The program's shell started for real under the offscreen platform, and the
// helpers its tests share: a fixed seed, a watcher that closes the next modal
// window once it is up, the help window on the screen, and keys typed.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QKeySequence>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <chrono>

#include "app/main_frame.h"
#include "app/varnel_app.h"
#include "platform/frame_pause.h"
#include "platform/ui/help_window.h"
#include "platform/ui/surface_widget.h"
#include "platform/ui/win_help.h"
#include "support/displayless_main_window.h"

constexpr std::uint32_t kTestSeed = 20240;

inline CCommandLineInfo WithSeed(std::uint32_t seed) {
  CCommandLineInfo info;
  info.m_seed = seed;
  return info;
}

// The help window on the screen; null when none is.
inline CHelpWindow* OpenHelpWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* help = dynamic_cast<CHelpWindow*>(widget); help && help->isVisible()) {
      return help;
    }
  }
  return nullptr;
}

// The caption of the help window on the screen: the title of the page it shows.
inline QString HelpWindowTitle() {
  const CHelpWindow* help = OpenHelpWindow();
  return help != nullptr ? help->windowTitle() : QString();
}

// Closes the first modal window (dialog or message box) that comes up while
// it is alive, and keeps its caption, its number of group boxes and, for a
// message box, its text.
class ModalWatcher {
 public:
  ModalWatcher() {
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) {
        return;
      }
      m_timer.stop();
      m_bSeen = true;
      m_caption = dialog->windowTitle();
      m_nGroupBoxes = static_cast<int>(dialog->findChildren<QGroupBox*>().size());
      if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        m_text = box->text();
      }
      dialog->reject();
    });
    m_timer.start(1);
  }

  bool Seen() const { return m_bSeen; }
  const QString& Caption() const { return m_caption; }
  const QString& Text() const { return m_text; }
  int GroupBoxes() const { return m_nGroupBoxes; }

 private:
  QTimer m_timer;
  bool m_bSeen = false;
  QString m_caption;
  QString m_text;
  int m_nGroupBoxes = 0;
};

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameState();
    SetFramePause(std::chrono::milliseconds{0});
  }
  void TearDown() override {
    WinHelp(nullptr, QString(), HELP_QUIT);
    m_app.ExitInstance();
  }

  void Start(const CCommandLineInfo& info = WithSeed(kTestSeed)) {
    m_app.SetCommandLine(info);
    ASSERT_TRUE(m_app.InitInstance()) << m_app.StartupError().toStdString();
  }

  CMainFrame* Frame() const { return m_app.MainFrame(); }
  QWidget* Window() const { return Frame()->GetSafeHwnd(); }

  // Keys typed at the main window, as the window system hands them over:
  // "1 Num+2 Return R".
  void Type(const char* keys) {
    for (const QString& key : QString::fromLatin1(keys).split(' ')) {
      const QKeyCombination combination = QKeySequence(key)[0];
      QTest::keyClick(Window()->windowHandle(), combination.key(), combination.keyboardModifiers());
    }
  }

  CVarnelApp m_app;
};

// The shell started, with its board widget at hand.
class BoardWidgetTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    Start();
    m_pSurface = Frame()->SurfaceWidget();
  }
  CSurfaceWidget* m_pSurface = nullptr;
};

// What the window system delivers for a double click: press, release, double
// click, release.
inline void DoubleClick(QWidget* widget, QPoint point) {
  QTest::mousePress(widget, Qt::LeftButton, {}, point);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, point);
  QTest::mouseDClick(widget, Qt::LeftButton, {}, point);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, point);
}
