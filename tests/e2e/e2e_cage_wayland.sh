#!/usr/bin/env bash
# In a kiosk session without X, under cage: Wayland places no windows, so the
# program draws its screens on one surface, and the child sees and uses what
# a bare X server shows.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/compositor.sh"

start_cage wayland
use_wayland_input
screen_size
source "$(dirname "$0")/surface_checks.sh"
echo "PASS"
