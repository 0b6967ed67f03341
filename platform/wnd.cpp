#include "platform/wnd.h"

#include <QImage>
#include <algorithm>

CWnd::CWnd() = default;
CWnd::~CWnd() = default;

void CWnd::CreateClientArea(int width, int height) {
  m_pParent = nullptr;
  m_nX = m_nY = 0;
  m_nWidth = std::max(width, 0);
  m_nHeight = std::max(height, 0);
  m_surface = std::make_unique<QImage>(m_nWidth, m_nHeight, QImage::Format_RGB32);
  m_surface->fill(0xffc0c0c0u);
}

void CWnd::CreateChildArea(CWnd* pParent, int x, int y, int width, int height) {
  m_surface.reset();
  m_pParent = pParent;
  // Keep the child's area inside the parent's.
  m_nX = std::clamp(x, 0, pParent->m_nWidth);
  m_nY = std::clamp(y, 0, pParent->m_nHeight);
  m_nWidth = std::clamp(width, 0, pParent->m_nWidth - m_nX);
  m_nHeight = std::clamp(height, 0, pParent->m_nHeight - m_nY);
  m_nX += pParent->m_nX;
  m_nY += pParent->m_nY;
}

const CWnd* CWnd::TopLevel() const {
  const CWnd* wnd = this;
  while (wnd->m_pParent != nullptr) {
    wnd = wnd->m_pParent;
  }
  return wnd;
}

QImage* CWnd::ClientSurface() const {
  return TopLevel()->m_surface.get();
}

CDC* CWnd::GetDC() {
  auto context = std::make_unique<CDC>();
  context->AttachSurface(ClientSurface(), m_nX, m_nY, m_nWidth, m_nHeight);
  m_contexts.push_back(std::move(context));
  return m_contexts.back().get();
}

int CWnd::ReleaseDC(CDC* pDC) {
  const auto found = std::find_if(m_contexts.begin(), m_contexts.end(),
                                  [pDC](const auto& context) { return context.get() == pDC; });
  if (found == m_contexts.end()) {
    return 0;
  }
  m_contexts.erase(found);
  if (CWndScreen* screen = TopLevel()->m_pScreen) {
    screen->Present();
  }
  return 1;
}
