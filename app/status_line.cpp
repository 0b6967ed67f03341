#include "app/status_line.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "ai/computer_pace.h"
#include "board/sprites.h"
#include "game/game_state.h"
#include "game/turn_passing.h"
#include "platform/ui/frame_wnd.h"

namespace {

// The text's height at one scale, in board pixels.
constexpr int kTextRows = 13;

QString SeatWords(int seat) {
  const QString name = QCoreApplication::translate("BoardMessage", "Player %1").arg(seat + 1);
  return g_nPlayerType[seat] == kComputerSeat
             ? QCoreApplication::translate("BoardMessage", "%1 (computer)").arg(name)
             : name;
}

QString ColumnList(unsigned columns) {
  QStringList numbers;
  for (int column = 2; column <= 12; ++column) {
    if ((columns & (1U << column)) != 0) {
      numbers << QString::number(column);
    }
  }
  if (numbers.size() == 1) {
    return QCoreApplication::translate("BoardMessage", "column %1").arg(numbers.front());
  }
  const QString last = numbers.takeLast();
  return QCoreApplication::translate("BoardMessage", "columns %1 and %2")
      .arg(numbers.join(QStringLiteral(", ")), last);
}

// "column 7 at cell 9, column 8 at cell 4": where the seat's pegs now stand.
QString PegPlaces(int seat, unsigned columns) {
  QStringList places;
  for (int column = 2; column <= 12; ++column) {
    if ((columns & (1U << column)) != 0) {
      places << QCoreApplication::translate("BoardMessage", "column %1 at cell %2")
                    .arg(column)
                    .arg(g_nProgress[seat][column]);
    }
  }
  return places.join(QStringLiteral(", "));
}

// The words under the board. A plain widget, not a label: the board's own
// message part speaks the messages, and a label would say them once more.
class StatusLineWidget : public QWidget {
 public:
  StatusLineWidget() {
    setObjectName(QStringLiteral("statusLine"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

  void SetWords(const QString& words) {
    if (words != m_words) {
      m_words = words;
      update();
    }
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(QRgb{kBoardOliveRgb}));
    const int margin = height() / 8;
    const QRect box = rect().adjusted(margin, margin / 2, -margin, -margin / 2);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    QFont font = this->font();
    font.setBold(true);
    // As large as the board's scale asks, smaller where long words need it.
    for (int pixels = std::max(1, height() * kTextRows / kStatusLineRows); pixels > 1; --pixels) {
      font.setPixelSize(pixels);
      if (box.contains(QFontMetrics(font).boundingRect(box, flags, m_words))) {
        break;
      }
    }
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(box, flags, m_words);
  }

 private:
  QString m_words;
};

class StatusLine : public CPlayListener {
 public:
  void OnPlayEvent(const PlayEvent& event) override {
    QString words = PlayEventWords(event);
    if (words.isEmpty()) {
      Hide(true);
      return;
    }
    // The claims of a stop are said after where its pegs stand.
    if (event.kind == PlayEventKind::kClaim && m_lastStopSeat == event.seat) {
      words = QCoreApplication::translate("BoardMessage", "%1. %2").arg(m_text, words);
    }
    m_lastStopSeat = event.kind == PlayEventKind::kStop ? event.seat : -1;
    // A stop that reaches the winning claims is the win, though the rules
    // say so only once the next seat has thrown.
    const bool winningStop =
        event.kind == PlayEventKind::kClaim && SeatWithWinningClaims() == event.seat;
    if (winningStop) {
      words = PlayEventWords({PlayEventKind::kWin, event.seat});
    }
    m_bStays =
        winningStop || event.kind == PlayEventKind::kWin || event.kind == PlayEventKind::kNoWinner;
    Show(words);
    if (event.kind == PlayEventKind::kBust || event.kind == PlayEventKind::kNoPlay) {
      // The throw that could not be played stays in view with its message.
      HoldStep(PaceStep::kUnplayableThrow);
    }
  }

  void ShowWords(const QString& words) {
    if (!m_bStays) {
      Show(words);
    }
  }

  void Hide(bool evenTheEnd) {
    if (m_bStays && !evenTheEnd) {
      return;
    }
    m_bStays = false;
    m_lastStopSeat = -1;
    m_text.clear();
    if (m_pTimer != nullptr) {
      m_pTimer->stop();
    }
    Refresh();
  }

  void Attach(CFrameWnd& frame) {
    m_pWidget = new StatusLineWidget;
    m_pTimer = new QTimer(m_pWidget);
    m_pTimer->setSingleShot(true);
    QObject::connect(m_pTimer, &QTimer::timeout, m_pWidget, [this] { Hide(false); });
    frame.SetStatusLine(m_pWidget, kStatusLineRows);
    Refresh();
  }

  void Refresh() {
    if (m_pWidget != nullptr) {
      m_pWidget->SetWords(Text());
    }
  }

  const QString& Message() const { return m_text; }
  QString Text() const { return m_text.isEmpty() ? TurnPromptWords() : m_text; }

 private:
  void Show(const QString& words) {
    m_text = words;
    Refresh();
    if (m_pTimer == nullptr) {
      return;
    }
    if (m_bStays) {
      m_pTimer->stop();
    } else {
      m_pTimer->start(kStatusMessageMs);
    }
    if (CFrameWnd* frame = MainFrameWnd()) {
      frame->AnnounceChanges();
    }
  }

  QPointer<StatusLineWidget> m_pWidget;
  QPointer<QTimer> m_pTimer;
  QString m_text;
  bool m_bStays = false;
  // The seat whose stop was the last event, whose claims follow it.
  int m_lastStopSeat = -1;
};

StatusLine g_statusLine;

}  // namespace

QString PlayEventWords(const PlayEvent& event) {
  switch (event.kind) {
    case PlayEventKind::kBust:
      return QCoreApplication::translate("BoardMessage", "%1 busts").arg(SeatWords(event.seat));
    case PlayEventKind::kNoPlay:
      return QCoreApplication::translate("BoardMessage",
                                         "%1 cannot play this throw: the turn passes")
          .arg(SeatWords(event.seat));
    case PlayEventKind::kStop:
      return QCoreApplication::translate("BoardMessage", "%1 stops: %2")
          .arg(SeatWords(event.seat), PegPlaces(event.seat, event.columns));
    case PlayEventKind::kClaim:
      return QCoreApplication::translate("BoardMessage", "%1 claims %2")
          .arg(SeatWords(event.seat), ColumnList(event.columns));
    case PlayEventKind::kWin:
      return QCoreApplication::translate("BoardMessage", "%1 wins. F2 starts a new game.")
          .arg(SeatWords(event.seat));
    case PlayEventKind::kNoWinner:
      return QCoreApplication::translate("BoardMessage",
                                         "Nobody can win any more. F2 starts a new game.");
    case PlayEventKind::kNewGame:
      break;
  }
  return QString();
}

QString TurnPromptWords() {
  if (IsGameOver()) {
    return QString();
  }
  const QString seat = SeatWords(g_nCurrentPlayer);
  return ButtonsLive()
             ? QCoreApplication::translate("BoardMessage", "%1: roll or stop").arg(seat)
             : QCoreApplication::translate("BoardMessage", "%1: choose two dice").arg(seat);
}

QRect StatusLineArea() {
  return QRect(-kViewEdge, kBoardSize + kViewEdge, kBoardSize + 2 * kViewEdge, kStatusLineRows);
}

QString StatusMessageText() {
  return g_statusLine.Message();
}

QString StatusLineText() {
  return g_statusLine.Text();
}

void InstallStatusLine() {
  SetPlayListener(&g_statusLine);
}

void AttachStatusLine(CFrameWnd& frame) {
  g_statusLine.Attach(frame);
}

void RefreshStatusLine() {
  g_statusLine.Refresh();
}

void ShowStatusMessage(const QString& words) {
  g_statusLine.ShowWords(words);
}

void DismissStatusMessage() {
  g_statusLine.Hide(false);
}
