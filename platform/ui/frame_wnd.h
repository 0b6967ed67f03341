// A frame window on the screen: a top-level window with a caption, an icon, a
// menu bar and keyboard accelerators, whose client area holds one view behind
// a sunken edge, drawn at whole-number scales as large as the window allows,
// and a status line under it. Ctrl++ (or Ctrl+=) and Ctrl+- step the window
// through the scales that fit the screen, Ctrl+0 returns to the opening one.
// Its client-area surface is shown by a CSurfaceWidget, which has the
// keyboard; the view's mouse messages, the keys pressed on it and every
// command come back through virtual calls, none of them while a dialog or a
// message box is open.
#pragma once

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <span>

#include "platform/types.h"
#include "platform/ui/menu.h"
#include "platform/ui/surface_widget.h"
#include "platform/wnd.h"

class AccessibleChanges;
class DestroyedWindowWatch;
class CDocument;
class InputHold;
class QCloseEvent;
class QWidget;

struct FrameResources {
  QString title;
  std::span<const MenuPopup> menu;
  std::span<const Accelerator> accelerators;
  // A resource folder holding the window icon as PNG files at several sizes.
  QString iconFolder;
  QSize viewSize;
  // What lies around the client area when the window is larger than it.
  QColor background;
};

class CFrameWnd;
// The running application's main window as a frame window, or null.
CFrameWnd* MainFrameWnd();

class CFrameWnd : public CWnd, private CSurfaceWidget::Owner {
 public:
  CFrameWnd();
  ~CFrameWnd() override;

  // Creates the window, hidden, with the view placed kViewEdge pixels in from
  // the client area's corner. F1 sends ID_HELP.
  void LoadFrame(const FrameResources& resources, std::unique_ptr<CView> pView,
                 CDocument* pDocument);
  // Places and shows the window, and waits until the window system has put
  // it on the screen (a short while at most).
  void ShowWindow();
  // Paints the window now.
  void UpdateWindow();
  // Asks the window to close, as its close box does.
  void Close();
  // The window has closed; the program is ending.
  bool IsClosed() const { return m_bClosed; }

  CView* GetActiveView() const { return m_pView.get(); }
  CDocument* GetActiveDocument() const { return m_pDocument; }
  // The top-level widget, or null before LoadFrame.
  QWidget* GetSafeHwnd() const { return m_pWidget.get(); }
  CSurfaceWidget* SurfaceWidget() const { return m_pSurface; }

  // The scale the window is sized for: 0 for the opening scale; a larger
  // scale than the screen takes is cut to the largest that fits.
  int ChosenScale() const;
  void ChooseScale(int scale);
  // Puts a status line of `rows` client-area rows under the client area; it
  // scales with the view.
  void SetStatusLine(QWidget* statusLine, int rows);

  // Runs a handler of user input or of a command. Input made while it runs
  // is held and handled, in order, once the outermost handler returns. A
  // close asked for meanwhile takes the window off the screen at once; the
  // rest of the handler runs without pauses and the program ends after it.
  // Once a handler has returned, a screen reader is told what it changed on
  // the surface.
  void HandleInput(const std::function<void()>& handler);

  // While it lives, the running handler plays what the user only watches
  // and may cut short (the computer's turn): input to the board is dropped,
  // the menu and the keys stay live, and a command made meanwhile asks the
  // play to yield (OnYieldRequest) and runs once the outermost handler has
  // returned, unless it runs during play (RunsDuringPlay).
  class Watching {
   public:
    explicit Watching(CFrameWnd& frame);
    ~Watching();
    Watching(const Watching&) = delete;
    Watching& operator=(const Watching&) = delete;

   private:
    CFrameWnd& m_frame;
  };
  bool IsWatching() const { return m_nWatching > 0; }
  // Tells a screen reader now what changed on the surface since it was last
  // told, without waiting for the handler to return.
  void AnnounceChanges();
  // A close has been asked for; the program ends once the handler returns.
  bool IsClosing() const { return m_bCloseRequested; }

 protected:
  // Where the window's outer top-left corner goes, given the screen size and
  // the window's outer size; none lets the window system choose.
  virtual std::optional<QPoint> WindowOrigin(QSize /*screen*/, QSize /*outer*/) const {
    return std::nullopt;
  }
  // A mouse message for the view, in the view's client coordinates.
  virtual void OnViewMessage(UINT /*message*/, UINT /*nFlags*/, CPoint /*point*/) {}
  // A key pressed on the view, by virtual-key code.
  virtual void OnViewKeyDown(UINT /*nChar*/) {}
  // A frame of the client area has gone up on the screen.
  virtual void OnFramePresented() {}
  // The player has stepped the window to another scale with its keys.
  virtual void OnScaleChosen() {}
  // The window closes: it leaves the screen and the program ends.
  virtual void OnClose();
  // A command or a close came while play was watched: the play should end
  // at its next step.
  virtual void OnYieldRequest() {}
  // Whether the choice of a radio menu item is the one in force.
  virtual bool IsChecked(UINT /*nID*/) const { return false; }
  // Runs a command that was made while play was watched, once it has
  // yielded.
  virtual void OnDeferredCommand(UINT nID) { OnCommand(nID); }
  // A command that acts at once while play is watched, without ending it.
  virtual bool RunsDuringPlay(UINT /*nID*/) const { return false; }

 private:
  class FrameWidget;

  void RebuildSurface() override;
  void OnSurfaceMouse(UINT message, UINT nFlags, CPoint point) override;
  void OnSurfaceKey(UINT nChar) override;
  void OnSurfacePresented() override { OnFramePresented(); }
  void OnCloseRequest(QCloseEvent* event);
  void OnCommandInput(UINT nID);
  void Place();
  void InstallScaleKeys();
  void DrawSunkenEdge();

  std::unique_ptr<CView> m_pView;
  CDocument* m_pDocument = nullptr;
  std::unique_ptr<QWidget> m_pWidget;
  CSurfaceWidget* m_pSurface = nullptr;
  std::unique_ptr<InputHold> m_pHold;
  std::unique_ptr<DestroyedWindowWatch> m_pDestroyedWatch;
  std::unique_ptr<AccessibleChanges> m_pAccessibleChanges;
  int m_nWatching = 0;
  // Commands made while play was watched, to run after it.
  std::deque<UINT> m_deferred;
  bool m_bCloseRequested = false;
  bool m_bClosed = false;
};
