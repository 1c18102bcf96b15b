#!/usr/bin/env bash
# Runs every benchmark against a build directory.
set -euo pipefail
build=${1:-build/default}
here=$(dirname "$0")
"$here/startup.sh" "$build"
