#include "app/board_message.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "ai/computer_pace.h"
#include "game/game_state.h"
#include "platform/ui/frame_wnd.h"

namespace {

// Long enough to read, short enough not to hide the next throw.
constexpr int kShownMs = 1500;

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

// The message's picture over the board. A plain widget, not a label: the
// board's own message part speaks the words, and a label would say them twice
// more to a screen reader.
class MessagePlate : public QWidget {
 public:
  explicit MessagePlate(QWidget* board) : QWidget(board) {
    setObjectName(QStringLiteral("boardMessage"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

  void SetWords(const QString& words) {
    m_words = words;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(255, 255, 255, 150));
    painter.setBrush(QColor(24, 24, 24, 210));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    painter.setPen(Qt::white);
    painter.drawText(rect().adjusted(8, 2, -8, -2), Qt::AlignCenter | Qt::TextWordWrap, m_words);
  }

 private:
  QString m_words;
};

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
    if (m_pPlate != nullptr) {
      m_pPlate->hide();
    }
  }

  const QString& Text() const { return m_text; }

 private:
  void Show(const QString& words) {
    m_text = words;
    CFrameWnd* frame = MainFrameWnd();
    CSurfaceWidget* board = frame != nullptr ? frame->SurfaceWidget() : nullptr;
    if (board == nullptr) {
      return;
    }
    if (m_pPlate == nullptr || m_pPlate->parent() != board) {
      m_pPlate = new MessagePlate(board);
      m_pTimer = new QTimer(m_pPlate);
      m_pTimer->setSingleShot(true);
      QObject::connect(m_pTimer, &QTimer::timeout, m_pPlate, [this] { Hide(false); });
    }
    const QRect area = board->LogicalRect(BoardMessageArea().translated(kViewEdge, kViewEdge));
    QFont font = m_pPlate->font();
    font.setPixelSize(area.height() * 13 / 50);
    font.setBold(true);
    m_pPlate->setFont(font);
    m_pPlate->setGeometry(area);
    m_pPlate->SetWords(words);
    m_pPlate->show();
    m_pPlate->raise();
    m_pPlate->repaint();
    if (m_bStays) {
      m_pTimer->stop();
    } else {
      m_pTimer->start(kShownMs);
    }
    frame->AnnounceChanges();
  }

  QPointer<MessagePlate> m_pPlate;
  QTimer* m_pTimer = nullptr;
  QString m_text;
  bool m_bStays = false;
};

BoardMessage g_boardMessage;

}  // namespace

QString PlayEventWords(const PlayEvent& event) {
  switch (event.kind) {
    case PlayEventKind::kBust:
      return QCoreApplication::translate("BoardMessage", "%1 busts").arg(SeatWords(event.seat));
    case PlayEventKind::kNoPlay:
      return QCoreApplication::translate("BoardMessage",
                                         "%1 cannot play this throw: the turn passes")
          .arg(SeatWords(event.seat));
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
