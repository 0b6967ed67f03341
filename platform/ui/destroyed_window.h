// Another client may destroy a window of ours outright (xdotool windowclose
// does): the window system then reports only that the window is gone, and Qt
// goes on as if it were still there. The watch takes the report for a close
// request, so the program ends as when the window's close box is clicked.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QPointer>

class QWidget;

class DestroyedWindowWatch : public QAbstractNativeEventFilter {
 public:
  explicit DestroyedWindowWatch(QWidget* window);
  ~DestroyedWindowWatch() override;
  DestroyedWindowWatch(const DestroyedWindowWatch&) = delete;
  DestroyedWindowWatch& operator=(const DestroyedWindowWatch&) = delete;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  QPointer<QWidget> m_pWindow;
};
