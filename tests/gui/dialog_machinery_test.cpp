// The dialog machinery on its own: clicks reach the message map, radio
// buttons stay manual, the keys and the close box end the dialog through
// OnOK and OnCancel, F1 asks the main window for help, and the main window
// waits while a help window stays usable.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QWidget>
#include <vector>

#include "platform/ui/button.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_template.h"
#include "platform/win_app.h"
#include "platform/wnd.h"
#include "res/resource.h"
#include "tests/gui/dialog_test_driver.h"

namespace {

// A dialog on the number-of-players template that records what reaches it.
class RecordingDialog : public CDialog {
 public:
  RecordingDialog() : CDialog(IDD_NUM_PLAYERS) {}

  std::vector<int> m_clicks;
  int m_nOnOK = 0;
  int m_nOnCancel = 0;
  CButton m_btnTwo;

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, 1003, m_btnTwo); }
  std::span<const DialogCommand> GetMessageMap() const override {
    static const DialogCommand kMap[] = {OnClicked(1003, &RecordingDialog::OnTwo),
                                         OnClicked(1004, &RecordingDialog::OnThree)};
    return kMap;
  }
  void OnOK() override {
    ++m_nOnOK;
    CDialog::OnOK();
  }
  void OnCancel() override {
    ++m_nOnCancel;
    CDialog::OnCancel();
  }

 private:
  void OnTwo() { m_clicks.push_back(1003); }
  void OnThree() { m_clicks.push_back(1004); }
};

// The application's main window, shown on screen by a widget, which records
// the commands it is sent.
class ShownMainWindow : public CWnd {
 public:
  ShownMainWindow() {
    m_app.m_pMainWnd = this;
    SetScreen(&m_widget);
    m_widget.resize(490, 528);
    m_widget.show();
  }
  ~ShownMainWindow() override { m_app.m_pMainWnd = nullptr; }

  BOOL OnCommand(UINT nID) override {
    m_commands.push_back(nID);
    if (m_onCommand) {
      m_onCommand();
    }
    return TRUE;
  }

  class ScreenWidget : public QWidget, public CWndScreen {
   public:
    void Present() override {}
  };

  CWinApp m_app;
  ScreenWidget m_widget;
  std::vector<UINT> m_commands;
  std::function<void()> m_onCommand;
};

TEST(DialogMachinery, RadioClicksReachTheirHandlerAndLeaveTheCheckMarkAlone) {
  RecordingDialog dlg;
  RunModal(dlg, [&dlg](QDialog& window) {
    Click(window, 1003);
    EXPECT_FALSE(IsChecked(window, 1003)) << "a click must not check a radio by itself";

    dlg.m_btnTwo.SetCheck(BST_CHECKED);
    Click(window, 1003);
    EXPECT_TRUE(IsChecked(window, 1003)) << "nor uncheck it";
    EXPECT_EQ(dlg.m_btnTwo.GetCheck(), BST_CHECKED);

    // A real press and release with the mouse, and a radio no handler listens to.
    QWidget* three = Control(window, 1004);
    const QPointF centre = QRectF(three->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, three->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, three->mapToGlobal(centre),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(three, &press);
    QApplication::sendEvent(three, &release);
    Click(window, 1005);
    EXPECT_FALSE(IsChecked(window, 1004));
    EXPECT_FALSE(IsChecked(window, 1005));
    Click(window, IDCANCEL);
  });
  EXPECT_EQ(dlg.m_clicks, (std::vector<int>{1003, 1003, 1004}));
  // Once the dialog is gone its buttons are unbound and harmless.
  dlg.m_btnTwo.SetCheck(BST_CHECKED);
  EXPECT_EQ(dlg.m_btnTwo.GetCheck(), BST_UNCHECKED);
}

struct EndingCase {
  const char* name;
  std::function<void(QDialog&)> action;
  int nResult;
  int nOnOK;
  int nOnCancel;
};

void PrintTo(const EndingCase& ending, std::ostream* os) {
  *os << ending.name;
}

class DialogEnding : public testing::TestWithParam<EndingCase> {};

TEST_P(DialogEnding, GoesThroughOnOkOrOnCancel) {
  const EndingCase& ending = GetParam();
  RecordingDialog dlg;
  EXPECT_EQ(RunModal(dlg, ending.action), ending.nResult);
  EXPECT_EQ(dlg.m_nOnOK, ending.nOnOK);
  EXPECT_EQ(dlg.m_nOnCancel, ending.nOnCancel);
}

INSTANTIATE_TEST_SUITE_P(
    KeysButtonsAndCloseBox, DialogEnding,
    testing::Values(
        EndingCase{"OkButton", [](QDialog& w) { Click(w, IDOK); }, IDOK, 1, 0},
        EndingCase{"CancelButton", [](QDialog& w) { Click(w, IDCANCEL); }, IDCANCEL, 0, 1},
        EndingCase{"Enter", [](QDialog& w) { PressKey(w, Qt::Key_Return); }, IDOK, 1, 0},
        EndingCase{"EnterOnARadio",
                   [](QDialog& w) {
                     Control(w, 1004)->setFocus();
                     PressKey(w, Qt::Key_Enter);
                   },
                   IDOK, 1, 0},
        EndingCase{"Escape", [](QDialog& w) { PressKey(w, Qt::Key_Escape); }, IDCANCEL, 0, 1},
        EndingCase{"CloseBox", [](QDialog& w) { w.close(); }, IDCANCEL, 0, 1}),
    [](const testing::TestParamInfo<EndingCase>& info) { return info.param.name; });

TEST(DialogMachinery, F1AsksTheMainWindowForHelpAndTheDialogStaysUsable) {
  ShownMainWindow mainWindow;
  RecordingDialog dlg;
  const int result = RunModal(dlg, [&](QDialog& window) {
    PressKey(window, Qt::Key_F1);
    EXPECT_EQ(mainWindow.m_commands, std::vector<UINT>{ID_HELP});
    EXPECT_TRUE(window.isVisible());

    // With Shift, Ctrl or Alt held, F1 is not the help key.
    PressKey(window, Qt::Key_F1, Qt::ShiftModifier);
    PressKey(window, Qt::Key_F1, Qt::ControlModifier);
    PressKey(window, Qt::Key_F1, Qt::AltModifier);
    EXPECT_EQ(mainWindow.m_commands.size(), 1u);

    Click(window, 1004);
    Click(window, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dlg.m_clicks, std::vector<int>{1004});
}

TEST(DialogMachinery, MainWindowOwnsTheDialogAndWaitsWhileAHelpWindowStaysUsable) {
  ShownMainWindow mainWindow;
  BlockWatcher mainWatch(&mainWindow.m_widget);
  QWidget helpWindow;
  BlockWatcher helpWatch(&helpWindow);
  mainWindow.m_onCommand = [&helpWindow] { helpWindow.show(); };

  RecordingDialog dlg;
  RunModal(dlg, [&](QDialog& window) {
    EXPECT_EQ(window.parentWidget(), &mainWindow.m_widget);
    EXPECT_TRUE(mainWatch.m_bBlocked) << "the main window must take no input";
    PressKey(window, Qt::Key_F1);
    QApplication::processEvents();
    EXPECT_TRUE(helpWindow.isVisible());
    EXPECT_FALSE(helpWatch.m_bBlocked) << "the help window must stay usable";
    Click(window, IDCANCEL);
  });
  EXPECT_FALSE(mainWatch.m_bBlocked);
}

TEST(DialogMachinery, MainWindowThatIsItselfAWidgetOwnsTheDialog) {
  class WidgetMainWindow : public QWidget, public CWnd {};
  CWinApp app;
  WidgetMainWindow mainWindow;
  app.m_pMainWnd = &mainWindow;
  mainWindow.show();

  RecordingDialog dlg;
  RunModal(dlg, [&](QDialog& window) {
    EXPECT_EQ(window.parentWidget(), &mainWindow);
    EXPECT_EQ(window.windowModality(), Qt::WindowModal);
    Click(window, IDCANCEL);
  });
  app.m_pMainWnd = nullptr;
}

TEST(DialogMachinery, MissingTemplateGivesMinusOneAndNoWindow) {
  CDialog dlg(4321);
  EXPECT_EQ(dlg.DoModal(), -1);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(DialogTemplate, FaultsAreRefusedWithAMessageThatNamesThem) {
  const QByteArray good =
      R"({"caption": "C", "size": [10, 10], "font": {"face": "DejaVu Sans", "points": 8},
          "style": ["caption"], "controls": [)";
  const struct {
    QByteArray json;
    const char* fault;
  } cases[] = {
      {"{", ""},
      {"[]", "object"},
      {good + R"({"id": 1, "kind": "slider", "text": "", "rect": [0, 0, 1, 1]}]})", "slider"},
      {good + R"({"id": 1, "kind": "button", "text": "", "rect": [0, 0, 1]}]})", "rect"},
      {good + R"({"id": 1.5, "kind": "button", "text": "", "rect": [0, 0, 1, 1]}]})", "id"},
      {good + R"({"id": 1, "kind": "radio", "text": "", "rect": [0, 0, 1, 1]}]})", "manual"},
      {good + R"({"id": 1, "kind": "button", "text": "", "rect": [0, 0, 1, 1],
                  "flags": ["defualt"]}]})",
       "defualt"},
      {R"({"caption": "C", "size": [0, 10], "font": {"face": "F", "points": 8}, "controls": []})",
       "size"},
      {R"({"caption": "C", "size": [10, 10], "font": {"face": "F", "points": 8}})", "controls"},
  };
  for (const auto& [json, fault] : cases) {
    QString error;
    EXPECT_FALSE(ParseDialogTemplate(json, &error).has_value()) << json.constData();
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(error.contains(QLatin1String(fault))) << qPrintable(error);
  }

  QString error;
  const auto parsed = ParseDialogTemplate(
      good + R"({"id": 7, "kind": "icon", "text": "128", "rect": [3, 4]}]})", &error);
  ASSERT_TRUE(parsed.has_value()) << qPrintable(error);
  EXPECT_EQ(parsed->controls.at(0).rect, QRect(3, 4, 0, 0));
}

}  // namespace
