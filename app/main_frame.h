// The main window: the board view behind a sunken edge, the menu, F2 for a
// new game, F1 for help and the board's keys. Every command is routed here
// first and goes to the view, the document, the frame itself and the
// application, in that order; the first that has a handler for it runs it.
#pragma once

#include <QPoint>
#include <QSize>
#include <optional>

#include "platform/ui/frame_wnd.h"

// The window's caption; it never changes.
inline constexpr char kMainWindowTitle[] = "Tumbleroad";
// The help book, by the name the program asks for it.
inline constexpr char kHelpFile[] = "TumbleroadHlp.hlp";

// The outer top-left corner that centres a window of this outer size on a
// screen of this size; negative on a screen smaller than the window.
QPoint CentredWindowOrigin(QSize screen, QSize outer);

class CMainFrame : public CFrameWnd {
 public:
  BOOL OnCommand(UINT nID) override;

  // Game > New and F2: a new game at once, with no question.
  void OnFileNew();
  // Help > Help Topics, F1 and the other help requests.
  void OnHelpTopics();
  // Game > Hint and H: the strong computer's advice for the person to move.
  void OnGameHint();

 protected:
  std::optional<QPoint> WindowOrigin(QSize screen, QSize outer) const override;
  void OnViewMessage(UINT message, UINT nFlags, CPoint point) override;
  // A board key reaches the view as the mouse messages it stands for.
  void OnViewKeyDown(UINT nChar) override;
  // The status line's prompt follows the board.
  void OnFramePresented() override;
  // The scale is an option: it is remembered as a command's options are.
  void OnScaleChosen() override;
  void OnClose() override;
  void OnYieldRequest() override;
  // The computer that yielded for the command plays on after it.
  void OnDeferredCommand(UINT nID) override;
  // The options table says which items are checked and which act at once
  // while the computer plays.
  bool IsChecked(UINT nID) const override;
  bool RunsDuringPlay(UINT nID) const override;

 private:
  BOOL RouteCommand(UINT nID);
  // The frame's own commands, the options' radio and toggle items among them.
  BOOL OnFrameCommand(UINT nID);
};
