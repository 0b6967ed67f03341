#include "app/board_message.h"

#include <QLabel>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include "ai/computer_pace.h"
#include "game/game_state.h"
#include "platform/ui/frame_wnd.h"
#include "platform/win_app.h"

namespace {

// Long enough to read, short enough not to hide the next throw.
constexpr int kShownMs = 1500;

QString SeatWords(int seat) {
  const QString name = QStringLiteral("Player %1").arg(seat + 1);
  return g_nPlayerType[seat] == kComputerSeat ? name + QStringLiteral(" (computer)") : name;
}

QString ColumnList(unsigned columns) {
  QStringList numbers;
  for (int column = 2; column <= 12; ++column) {
    if ((columns & (1U << column)) != 0) {
      numbers << QString::number(column);
    }
  }
  if (numbers.size() == 1) {
    return QStringLiteral("column ") + numbers.front();
  }
  const QString last = numbers.takeLast();
  return QStringLiteral("columns %1 and %2").arg(numbers.join(QStringLiteral(", ")), last);
}

class BoardMessage : public CPlayListener {
 public:
  void OnPlayEvent(const PlayEvent& event) override {
    const QString words = PlayEventWords(event);
    if (words.isEmpty()) {
      Hide(true);
      return;
    }
    m_bStays = event.kind == PlayEventKind::kWin || event.kind == PlayEventKind::kNoWinner;
    Show(words);
    if (event.kind == PlayEventKind::kBust || event.kind == PlayEventKind::kNoPlay) {
      // The throw that could not be played stays in view with its message.
      HoldStep(PaceStep::kUnplayableThrow);
    }
  }

  void ShowWords(const QString& words) {
    if (m_bStays) {
      return;
    }
    Show(words);
  }

  void Hide(bool evenTheEnd) {
    if (m_bStays && !evenTheEnd) {
      return;
    }
    m_bStays = false;
    m_text.clear();
    if (m_pLabel != nullptr) {
      m_pLabel->hide();
    }
  }

  const QString& Text() const { return m_text; }

 private:
  void Show(const QString& words) {
    m_text = words;
    CFrameWnd* frame = MainFrame();
    CSurfaceWidget* board = frame != nullptr ? frame->SurfaceWidget() : nullptr;
    if (board == nullptr) {
      return;
    }
    if (m_pLabel == nullptr || m_pLabel->parent() != board) {
      m_pLabel = MakeLabel(board);
      m_pTimer = new QTimer(m_pLabel);
      m_pTimer->setSingleShot(true);
      QObject::connect(m_pTimer, &QTimer::timeout, m_pLabel, [this] { Hide(false); });
    }
    const QRect area = board->LogicalRect(
        BoardMessageArea().translated(CFrameWnd::kViewEdge, CFrameWnd::kViewEdge));
    QFont font = m_pLabel->font();
    font.setPixelSize(area.height() * 13 / 50);
    m_pLabel->setFont(font);
    m_pLabel->setGeometry(area);
    m_pLabel->setText(words);
    m_pLabel->show();
    m_pLabel->raise();
    m_pLabel->repaint();
    if (m_bStays) {
      m_pTimer->stop();
    } else {
      m_pTimer->start(kShownMs);
    }
    frame->AnnounceChanges();
  }

  static CFrameWnd* MainFrame() {
    CWinApp* app = AfxGetApp();
    return app != nullptr ? dynamic_cast<CFrameWnd*>(app->m_pMainWnd) : nullptr;
  }

  static QLabel* MakeLabel(QWidget* board) {
    auto* label = new QLabel(board);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    // The board part speaks for it; the label is only its picture.
    label->setAccessibleName(QString());
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setStyleSheet(QStringLiteral(
        "QLabel { color: white; font-weight: bold; background-color: rgba(24, 24, 24, 210);"
        " border: 1px solid rgba(255, 255, 255, 150); border-radius: 6px; padding: 2px 8px; }"));
    return label;
  }

  QPointer<QLabel> m_pLabel;
  QTimer* m_pTimer = nullptr;
  QString m_text;
  bool m_bStays = false;
};

BoardMessage g_boardMessage;

}  // namespace

QString PlayEventWords(const PlayEvent& event) {
  switch (event.kind) {
    case PlayEventKind::kBust:
      return QStringLiteral("%1 busts").arg(SeatWords(event.seat));
    case PlayEventKind::kNoPlay:
      return QStringLiteral("%1 cannot play this throw: the turn passes")
          .arg(SeatWords(event.seat));
    case PlayEventKind::kClaim:
      return QStringLiteral("%1 claims %2").arg(SeatWords(event.seat), ColumnList(event.columns));
    case PlayEventKind::kWin:
      return QStringLiteral("%1 wins. F2 starts a new game.").arg(SeatWords(event.seat));
    case PlayEventKind::kNoWinner:
      return QStringLiteral("Nobody can win any more. F2 starts a new game.");
    case PlayEventKind::kNewGame:
      break;
  }
  return QString();
}

QRect BoardMessageArea() {
  return QRect(90, 215, 300, 50);
}

QString BoardMessageText() {
  return g_boardMessage.Text();
}

void InstallBoardMessages() {
  SetPlayListener(&g_boardMessage);
}

void ShowBoardMessage(const QString& words) {
  g_boardMessage.ShowWords(words);
}

void DismissBoardMessage() {
  g_boardMessage.Hide(false);
}
