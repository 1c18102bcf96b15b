#!/usr/bin/env bash
# Frames, close requests, the task bar, keys, the counter window, the
# chooser's pictures and a second launch under KDE's window manager, kwin_x11.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wm_checks.sh" kwin
