#!/bin/sh
# Rebuilds the icon generator and regenerates resources/icons and resources/icons.qrc.
set -e
cd "$(dirname "$0")/../.."
out="${TMPDIR:-/tmp}/tesvar-icongen"
g++ -std=c++17 -fPIC tools/icongen/icongen.cpp -o "$out" $(pkg-config --cflags --libs Qt5Gui)
rm -rf resources/icons
QT_QPA_PLATFORM=offscreen "$out" resources
rm -f "$out"
