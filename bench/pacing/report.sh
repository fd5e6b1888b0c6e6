#!/usr/bin/env bash
# Prints the pacing report for two typical characters and the page, then
# checks paced drawing through the Qt canvas (offscreen) against the clock:
#   bench/pacing/report.sh [BUILD_FOLDER]   (default: build/release)
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build/release}
cmake --build "$build" -j2 --target sumimai-pacing-report sumimai-paced-check >/dev/null
data="$top/data/般若心経"
"$build/bench/pacing/sumimai-pacing-report" "$data/般.mem" "$data/心.mem" --page "$data/般若心経.mem"
echo
QT_QPA_PLATFORM=offscreen "$build/bench/pacing/sumimai-paced-check" "$data/般.mem" 0 --page "$data/般若心経.mem"
QT_QPA_PLATFORM=offscreen "$build/bench/pacing/sumimai-paced-check" "$data/心.mem" 2
QT_QPA_PLATFORM=offscreen "$build/bench/pacing/sumimai-paced-check" "$data/心.mem" 10
