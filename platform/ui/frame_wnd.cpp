#include "platform/ui/frame_wnd.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>
#include <chrono>

#include "platform/dc.h"
#include "platform/frame_pause.h"
#include "platform/standard_ids.h"
#include "platform/ui/accessible_changes.h"
#include "platform/ui/destroyed_window.h"
#include "platform/ui/icon_files.h"
#include "platform/ui/input_hold.h"
#include "platform/ui/message_map.h"
#include "platform/ui/screen_fit.h"
#include "platform/ui/title_bar.h"
#include "platform/win_app.h"

class CFrameWnd::FrameWidget : public QWidget {
 public:
  // A caption, a system menu, minimise, maximise and close boxes. Where the
  // program draws its own title bar, the window system draws none.
  explicit FrameWidget(CFrameWnd* pFrame)
      : QWidget(nullptr, CTitleBar::Wanted()
                             ? Qt::Window | Qt::FramelessWindowHint
                             : Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                                   Qt::WindowCloseButtonHint),
        m_pFrame(pFrame) {}

 protected:
  void closeEvent(QCloseEvent* event) override { m_pFrame->OnCloseRequest(event); }

 private:
  CFrameWnd* m_pFrame;
};

namespace {

// Long enough for a window manager to map the window, short enough not to
// stall start-up where the window system never reports it.
constexpr std::chrono::milliseconds kExposeWait{1000};

// A dialog or a message box is open: the main window takes no input, by
// whatever route it comes (a screen reader's action, a key sent to it).
bool ModalWindowOpen() {
  return QApplication::activeModalWidget() != nullptr;
}

}  // namespace

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd() {
  // Nothing may be presented on the widget once it is gone.
  SetScreen(nullptr);
  m_pDestroyedWatch.reset();
  m_pHold.reset();
  m_pWidget.reset();
}

void CFrameWnd::LoadFrame(const FrameResources& resources, std::unique_ptr<CView> pView,
                          CDocument* pDocument) {
  m_pView = std::move(pView);
  m_pDocument = pDocument;
  CreateClientArea(resources.viewSize.width() + 2 * kViewEdge,
                   resources.viewSize.height() + 2 * kViewEdge);
  m_pView->CreateChildArea(this, kViewEdge, kViewEdge, resources.viewSize.width(),
                           resources.viewSize.height());

  m_pWidget = std::make_unique<FrameWidget>(this);
  m_pWidget->setWindowTitle(resources.title);
  m_pWidget->setWindowIcon(IconFromFiles(resources.iconFolder));
  m_pHold = std::make_unique<InputHold>(m_pWidget.get());
  m_pDestroyedWatch = std::make_unique<DestroyedWindowWatch>(m_pWidget.get());

  const CommandSink sink = [this](UINT nID) { OnCommandInput(nID); };
  auto* layout = new QVBoxLayout(m_pWidget.get());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  if (CTitleBar::Wanted()) {
    auto* titleBar = new CTitleBar(m_pWidget.get());
    layout->addWidget(titleBar);
    // Moving and closing the window are the desktop's business, not the game's.
    m_pHold->SetWindowControls(titleBar);
  }
  QMenuBar* menuBar = CreateMenuBar(
      resources.menu, sink, [this](UINT nID) { return IsChecked(nID); }, m_pWidget.get());
  layout->addWidget(menuBar);
  m_pSurface = new CSurfaceWidget(this, this, m_pWidget.get());
  m_pSurface->SetBackground(resources.background);
  layout->addWidget(m_pSurface);
  ReturnKeyboardAfterMenus(menuBar, m_pSurface);
  SetScreen(m_pSurface);
  m_pSurface->setFocus();
  m_pAccessibleChanges = std::make_unique<AccessibleChanges>(m_pSurface);

  InstallAccelerators(resources.accelerators, sink, m_pWidget.get());
  const Accelerator helpKey[] = {{Qt::Key_F1, ID_HELP}};
  InstallAccelerators(helpKey, sink, m_pWidget.get());
  InstallScaleKeys();
}

void CFrameWnd::InstallScaleKeys() {
  // Ctrl+= is Ctrl++ without the Shift that most keyboards need for '+'.
  const struct {
    QKeySequence keys;
    int step;
  } kScaleKeys[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), 1},
      {QKeySequence(Qt::CTRL | Qt::Key_Equal), 1},
      {QKeySequence(Qt::CTRL | Qt::Key_Minus), -1},
      {QKeySequence(Qt::CTRL | Qt::Key_0), 0},
  };
  for (const auto& key : kScaleKeys) {
    auto* shortcut = new QShortcut(key.keys, m_pWidget.get());
    const int step = key.step;
    QObject::connect(shortcut, &QShortcut::activated, m_pWidget.get(), [this, step] {
      if (step == 0) {
        m_pSurface->ChooseScale(0);
      } else {
        m_pSurface->StepScale(step);
      }
      OnScaleChosen();
    });
  }
}

int CFrameWnd::ChosenScale() const {
  return m_pSurface != nullptr ? m_pSurface->ChosenScale() : 0;
}

void CFrameWnd::ChooseScale(int scale) {
  if (m_pSurface != nullptr) {
    m_pSurface->ChooseScale(scale);
  }
}

void CFrameWnd::SetStatusLine(QWidget* statusLine, int rows) {
  m_pSurface->SetFooter(statusLine, rows);
}

void CFrameWnd::Place() {
  const QScreen* screen = m_pWidget->screen();
  if (screen == nullptr) {
    return;
  }
  const QRect area = screen->geometry();
  const QSize outer = m_pWidget->frameGeometry().size();
  if (const auto origin = WindowOrigin(area.size(), outer)) {
    m_pWidget->move(KeepOnScreen(area.topLeft() + *origin, outer, screen->availableGeometry()));
  }
}

void CFrameWnd::ShowWindow() {
  m_pSurface->FitToScreen();
  Place();
  const QSize outerBefore = m_pWidget->frameGeometry().size();
  m_pWidget->show();
  // Frames drawn before the window is on the screen would be lost, and the
  // opening throw follows at once.
  const QWindow* window = m_pWidget->windowHandle();
  if (window != nullptr) {
    InputHold::Busy busy(*m_pHold);
    PauseAnswering(kExposeWait, [&] { return window->isExposed() || !m_pWidget->isVisible(); });
  }
  // A window manager adds its frame only once the window is shown.
  if (m_pWidget->frameGeometry().size() != outerBefore) {
    m_pSurface->FitToScreen();
    Place();
  }
}

void CFrameWnd::UpdateWindow() {
  m_pSurface->repaint();
}

void CFrameWnd::Close() {
  m_pWidget->close();
}

void CFrameWnd::HandleInput(const std::function<void()>& handler) {
  {
    InputHold::Busy busy(*m_pHold);
    handler();
    while (!m_deferred.empty() && m_nWatching == 0 && !m_bCloseRequested) {
      const UINT nID = m_deferred.front();
      m_deferred.pop_front();
      OnDeferredCommand(nID);
    }
  }
  if (m_pHold->IsBusy()) {
    return;
  }
  // Input made during a long handler sits unseen in the window system's queue
  // until something wakes the event dispatcher.
  if (QAbstractEventDispatcher* dispatcher = QCoreApplication::eventDispatcher()) {
    dispatcher->wakeUp();
  }
  if (m_bCloseRequested) {
    if (!m_bClosed) {
      OnClose();
    }
    return;
  }
  m_pAccessibleChanges->Announce();
}

CFrameWnd::Watching::Watching(CFrameWnd& frame) : m_frame(frame) {
  if (m_frame.m_nWatching++ == 0 && m_frame.m_pHold) {
    m_frame.m_pHold->SetWatching(m_frame.m_pSurface);
  }
}

CFrameWnd::Watching::~Watching() {
  if (--m_frame.m_nWatching == 0 && m_frame.m_pHold) {
    m_frame.m_pHold->SetWatching(nullptr);
  }
}

void CFrameWnd::AnnounceChanges() {
  if (m_pAccessibleChanges) {
    m_pAccessibleChanges->Announce();
  }
}

void CFrameWnd::OnCommandInput(UINT nID) {
  if (ModalWindowOpen()) {
    return;
  }
  if (m_nWatching > 0 && !RunsDuringPlay(nID)) {
    m_deferred.push_back(nID);
    OnYieldRequest();
    return;
  }
  // A command that comes while a handler runs (a screen reader's action
  // during a throw) waits for it, as held input does.
  if (m_nWatching == 0 && m_pHold->IsBusy()) {
    m_deferred.push_back(nID);
    return;
  }
  HandleInput([this, nID] { OnCommand(nID); });
}

void CFrameWnd::OnCloseRequest(QCloseEvent* event) {
  event->ignore();
  // Whatever still runs does so without pauses, unseen.
  SetFramePause(std::chrono::milliseconds{0});
  // Input and commands that wait for a handler are meant for a window that is going.
  m_pHold->Discard();
  m_deferred.clear();
  if (m_nWatching > 0) {
    OnYieldRequest();
  }
  if (!m_pHold->IsBusy()) {
    OnClose();
    return;
  }
  // A handler is still running (a throw, a computer turn): leave the screen
  // now and end once it returns.
  m_bCloseRequested = true;
  m_pWidget->hide();
}

void CFrameWnd::OnClose() {
  m_bClosed = true;
  m_pWidget->hide();
  QCoreApplication::quit();
}

void CFrameWnd::RebuildSurface() {
  DrawSunkenEdge();
  if (m_pView) {
    CDC dc;
    dc.AttachSurface(ClientSurface(), kViewEdge, kViewEdge, m_pView->ClientWidth(),
                     m_pView->ClientHeight());
    m_pView->OnDraw(&dc);
  }
}

void CFrameWnd::DrawSunkenEdge() {
  QImage* surface = ClientSurface();
  const int right = ClientWidth() - 1;
  const int bottom = ClientHeight() - 1;
  // Outer ring: shadow above and left, highlight below and right; the inner
  // ring is darker above and lighter below, so the view looks pressed in.
  const auto ring = [&](int inset, QRgb topLeft, QRgb bottomRight) {
    for (int x = inset; x <= right - inset; ++x) {
      surface->setPixel(x, inset, topLeft);
      surface->setPixel(x, bottom - inset, bottomRight);
    }
    for (int y = inset; y <= bottom - inset; ++y) {
      surface->setPixel(inset, y, topLeft);
      surface->setPixel(right - inset, y, bottomRight);
    }
    surface->setPixel(right - inset, inset, bottomRight);
    surface->setPixel(inset, bottom - inset, topLeft);
  };
  ring(0, qRgb(128, 128, 128), qRgb(255, 255, 255));
  ring(1, qRgb(0, 0, 0), qRgb(192, 192, 192));
}

void CFrameWnd::OnSurfaceMouse(UINT message, UINT nFlags, CPoint point) {
  if (!m_pView) {
    return;
  }
  const CPoint inView{point.x - kViewEdge, point.y - kViewEdge};
  // The edge is not the view's: messages there reach nobody, and without a
  // capture neither do releases outside the view.
  if (inView.x < 0 || inView.y < 0 || inView.x >= m_pView->ClientWidth() ||
      inView.y >= m_pView->ClientHeight() || ModalWindowOpen()) {
    return;
  }
  HandleInput([&] { OnViewMessage(message, nFlags, inView); });
}

void CFrameWnd::OnSurfaceKey(UINT nChar) {
  if (m_pView && !ModalWindowOpen()) {
    HandleInput([&] { OnViewKeyDown(nChar); });
  }
}

CFrameWnd* MainFrameWnd() {
  return dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
}
