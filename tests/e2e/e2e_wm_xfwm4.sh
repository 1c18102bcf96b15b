#!/usr/bin/env bash
# Frames, close requests, the task bar, keys, the counter window and a second
# launch under xfwm4.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wm_checks.sh" xfwm4
