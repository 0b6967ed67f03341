// A window as the game sees it: a client area it can draw on. The client area
// is a pixel surface owned by the top-level window; a child window shows a
// part of its parent's surface. A window needs no widget and no display: then
// drawing goes to the surface only. When a screen is attached, ReleaseDC puts
// what was drawn on it at once.
#pragma once

#include <memory>
#include <vector>

#include "platform/dc.h"
#include "platform/types.h"

class QImage;

// Where a top-level window's surface is shown; the shell's widget is one.
class CWndScreen {
 public:
  virtual ~CWndScreen() = default;
  // Shows the surface as it stands now, before returning.
  virtual void Present() = 0;
};

// Width of the sunken edge between a frame window's client area and its view.
constexpr int kViewEdge = 2;

class CWnd {
 public:
  CWnd();
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // Gives a top-level window a fresh client area of this size.
  void CreateClientArea(int width, int height);
  // Makes this a child window covering w × h of its parent's client area at (x, y).
  void CreateChildArea(CWnd* pParent, int x, int y, int width, int height);

  // A context drawing on the client area; hand it back with ReleaseDC.
  CDC* GetDC();
  // Ends a context from GetDC and shows what was drawn; returns 1 when released.
  int ReleaseDC(CDC* pDC);

  // A command by id (menu item, accelerator, help key); TRUE when handled.
  virtual BOOL OnCommand(UINT /*nID*/) { return FALSE; }

  void SetScreen(CWndScreen* pScreen) { m_pScreen = pScreen; }
  CWndScreen* Screen() const { return m_pScreen; }
  // The surface that holds the client area (the top-level window's).
  QImage* ClientSurface() const;
  int ClientWidth() const { return m_nWidth; }
  int ClientHeight() const { return m_nHeight; }

 private:
  const CWnd* TopLevel() const;

  std::unique_ptr<QImage> m_surface;
  CWnd* m_pParent = nullptr;
  CWndScreen* m_pScreen = nullptr;
  int m_nX = 0;
  int m_nY = 0;
  int m_nWidth = 0;
  int m_nHeight = 0;
  std::vector<std::unique_ptr<CDC>> m_contexts;
};

// A window that shows a document: the board view derives from it.
class CView : public CWnd {
 public:
  // Paints the whole client area on the given context.
  virtual void OnDraw(CDC* pDC) = 0;
};
