#!/usr/bin/env bash
# The board as a screen reader reads it: the real program under a private
# Xvfb, on a private D-Bus session with its own accessibility bus, read over
# AT-SPI while xdotool plays with the keyboard. Skipped, with a message, only
# where the tools are not installed (scripts/install-deps installs them).
#
#   run_accessibility.sh PROGRAM
set -u
for tool in Xvfb xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed"
    exit 77
  fi
done
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
  echo "SKIPPED: python3-pyatspi is not installed"
  exit 77
fi
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
exec dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/screen_reader_view.py" "$1"
