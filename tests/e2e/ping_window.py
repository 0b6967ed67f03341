"""Sends an X window a _NET_WM_PING, as a window manager does to see whether
its program still answers, and waits for the answer: exit status 0 when it
came within the seconds given.    ping_window.py WINDOW SECONDS
"""
import ctypes
import sys
import time
from ctypes import c_int, c_long, c_ulong, c_void_p

CLIENT_MESSAGE = 33
STRUCTURE_NOTIFY = 1 << 17


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", c_int), ("serial", c_ulong), ("send_event", c_int),
                ("display", c_void_p), ("window", c_ulong), ("message_type", c_ulong),
                ("format", c_int), ("data", c_long * 5)]


class Event(ctypes.Union):
    _fields_ = [("message", ClientMessage), ("pad", c_long * 24)]


x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = c_void_p
x.XInternAtom.restype = c_ulong
x.XInternAtom.argtypes = [c_void_p, ctypes.c_char_p, c_int]
x.XDefaultRootWindow.restype = c_ulong
x.XDefaultRootWindow.argtypes = [c_void_p]
x.XSelectInput.argtypes = [c_void_p, c_ulong, c_long]
x.XSendEvent.argtypes = [c_void_p, c_ulong, c_int, c_long, c_void_p]
x.XPending.argtypes = x.XFlush.argtypes = [c_void_p]
x.XNextEvent.argtypes = [c_void_p, c_void_p]

display = x.XOpenDisplay(None)
window, deadline = int(sys.argv[1], 0), time.monotonic() + float(sys.argv[2])
protocols, ping = (x.XInternAtom(display, name, 0) for name in (b"WM_PROTOCOLS", b"_NET_WM_PING"))
x.XSelectInput(display, x.XDefaultRootWindow(display), STRUCTURE_NOTIFY)
event = Event()
sent = event.message
sent.type, sent.window, sent.message_type, sent.format = CLIENT_MESSAGE, window, protocols, 32
sent.data[:3] = [ping, int(time.time()) & 0x7FFFFFFF, window]
stamp = sent.data[1]
x.XSendEvent(display, window, 0, 0, ctypes.byref(event))
x.XFlush(display)
while time.monotonic() < deadline:
    while x.XPending(display):
        x.XNextEvent(display, ctypes.byref(event))
        got = event.message
        if got.type == CLIENT_MESSAGE and got.message_type == protocols and \
                got.data[0] == ping and got.data[1] == stamp:
            sys.exit(0)
    time.sleep(0.02)
sys.exit(1)
