// Message and command maps: how a mouse message or a command id finds the
// handler a class declares for it. A map is a plain table; the first entry
// with the id wins, and a class with no entry leaves the message to the next.
// Also the messages and key codes a view receives.
#pragma once

#include <span>

#include "platform/types.h"

// Mouse messages a view receives, with the point in its client coordinates.
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;

// The key-state flag that comes with a mouse message: the left button is down.
constexpr UINT MK_LBUTTON = 0x0001;

// Virtual-key codes of the keys a view receives. A digit or a letter is its
// own upper-case character code ('1', 'R'); the keypad's digits have codes of
// their own.
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_NUMPAD0 = 0x60;

template <class T>
struct CommandMapEntry {
  UINT nID;
  void (T::*pfn)();
};

template <class T>
struct MouseMapEntry {
  UINT message;
  void (T::*pfn)(UINT nFlags, CPoint point);
};

// Runs the handler the map has for the command; FALSE when it has none.
template <class T>
BOOL DispatchCommand(T& target, std::span<const CommandMapEntry<T>> map, UINT nID) {
  for (const CommandMapEntry<T>& entry : map) {
    if (entry.nID == nID) {
      (target.*entry.pfn)();
      return TRUE;
    }
  }
  return FALSE;
}

// Runs the handler the map has for the mouse message; FALSE when it has none.
template <class T>
BOOL DispatchMouse(T& target, std::span<const MouseMapEntry<T>> map, UINT message, UINT nFlags,
                   CPoint point) {
  for (const MouseMapEntry<T>& entry : map) {
    if (entry.message == message) {
      (target.*entry.pfn)(nFlags, point);
      return TRUE;
    }
  }
  return FALSE;
}
