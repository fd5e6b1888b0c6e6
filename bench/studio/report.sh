#!/usr/bin/env bash
# Prints the Studio's figures on the shipped data.
#   bench/studio/report.sh [BUILD_FOLDER]   (default build/release)
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-build/release}
case $build in /*) ;; *) build=$top/$build ;; esac
exec "$build/bench/studio/sumimai-studio-figures" "$top/data"
