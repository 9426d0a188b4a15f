#!/usr/bin/env bash
# Rebuilds resources/Images/Analog_clock.jpg and resources/icons/larkspur.png.
# With --preview FILE it also writes an enlarged contact sheet of every picture for review.
set -euo pipefail
tools="$(cd "$(dirname "$0")" && pwd)"
resources="$(dirname "$tools")"
build="${LARKSPUR_TOOLS_BUILD:-$resources/../build-image-tools}"

cmake -S "$tools" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" >/dev/null
export QT_QPA_PLATFORM=offscreen
"$build/make_images" "$resources"
if [ "${1:-}" = "--preview" ]; then
  "$build/preview_images" "$resources" "${2:?--preview needs a file name}"
fi
