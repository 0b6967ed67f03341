// A main window with no widget and no display, installed as the application's
// main window for the lifetime of the object, so the game paints into its
// surface. It counts the frames handed to its screen.
#pragma once

#include <QImage>
#include <functional>

#include "game/game_state.h"
#include "platform/win_app.h"
#include "platform/wnd.h"

class DisplaylessMainWindow : public CWndScreen {
 public:
  DisplaylessMainWindow();
  ~DisplaylessMainWindow() override;

  void Present() override {
    ++m_nPresents;
    if (m_onPresent) {
      m_onPresent();
    }
  }
  // Runs at every frame, while the drawing code is still in the middle of its work.
  void OnPresent(std::function<void()> hook) { m_onPresent = std::move(hook); }

  CWnd& Frame() { return m_frame; }
  const QImage& Surface() const { return *m_frame.ClientSurface(); }
  int Presents() const { return m_nPresents; }

 private:
  CWinApp m_app;
  CWnd m_frame;
  int m_nPresents = 0;
  std::function<void()> m_onPresent;
};
