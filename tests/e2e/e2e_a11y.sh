#!/usr/bin/env bash
# The program as a screen reader sees it, on a real accessibility bus: every
# control and picture on view has a name, nothing the child cannot see can be
# pressed, and a new problem, a wrong answer and the right one are announced.
# The checks are tests/e2e/a11y_client.py's.
source "$(dirname "$0")/lib.sh"

# The run's own session bus; the accessibility bus and its registry start on
# it when asked for. All of them carry the run's mark, and go with it.
DBUS_SESSION_BUS_ADDRESS=$(dbus-daemon --session --fork --print-address) ||
  fail "no session bus"
export DBUS_SESSION_BUS_ADDRESS
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

start_program
wait_for 20 "the first problem" problem_shown
/usr/bin/python3 "$(dirname "$0")/a11y_client.py" || fail "as a screen reader sees it (above)"
echo "PASS"
