// Holds the user's input while the program is busy in a handler (a throw, a
// computer turn, a new game) and delivers it afterwards, in the order it came,
// as if it had arrived then. Qt's own exclusion of input during a pause is no
// guarantee: a platform plugin may flush queued input, clicks and keys
// included, from inside it, and Qt holds a close request as if it were input.
#pragma once

#include <QObject>
#include <QPointer>
#include <deque>
#include <memory>

class QEvent;
class QWidget;

class InputHold : public QObject {
 public:
  // Input to `mainWindow` (its board, menu bar, shortcuts) is held for as long
  // as a handler runs; during a pause, input to every window is held. A close
  // request for the main window is never held: it is the window's to act on.
  explicit InputHold(QWidget* mainWindow);
  ~InputHold() override;

  // Marks a handler as running while it lives. When the outermost one ends,
  // what was held is delivered; input that arrives during that delivery joins
  // the end of the queue. Held input goes only to the window it was meant
  // for: once it has opened a menu, the rest is dropped.
  class Busy {
   public:
    explicit Busy(InputHold& hold);
    ~Busy();
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

   private:
    InputHold& m_hold;
  };

  // Input to these controls of the main window (its own title bar) is never
  // held: a close must work while a computer turn runs.
  void SetWindowControls(QWidget* controls) { m_pControls = controls; }

  // While play the user only watches runs (the computer's turn), input to
  // the board is dropped, not held, and all other input (the menu, its keys,
  // the window's controls) goes through at once. What was held when the watch
  // begins is delivered then under those rules: a click made after the
  // person's turn ended is no move for the computer's seat, nor for the
  // person's next turn.
  void SetWatching(QWidget* board);

  bool IsBusy() const { return m_nDepth > 0; }
  // Forgets what is held: the window has closed.
  void Discard() { m_held.clear(); }

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override;

 private:
  struct HeldEvent {
    QPointer<QObject> receiver;
    std::unique_ptr<QEvent> event;
  };

  bool ShouldHold(QObject* receiver, const QEvent* event) const;
  bool ShouldDrop(const QObject* receiver, const QEvent* event) const;
  bool InMainWindow(const QObject* receiver) const;
  bool ForWindowControls(const QObject* receiver, const QEvent* event) const;
  void Deliver();

  QPointer<QWidget> m_pMainWindow;
  QPointer<QWidget> m_pControls;
  QPointer<QWidget> m_pWatchedBoard;
  int m_nDepth = 0;
  bool m_bDelivering = false;
  std::deque<HeldEvent> m_held;
};
