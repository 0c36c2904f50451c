#!/usr/bin/env bash
# Takes the README's pictures of a game anew into docs/images/: the window tests play a game in
# the practice room with the real windows, offscreen, and save what they show. The test command
# runs the same game and compares its pictures with the committed ones by size.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target quillo_ui_tests
mkdir -p docs/images
rm -f docs/images/hosting-*.png
QT_QPA_PLATFORM=offscreen QUILLO_README_PICTURES="$PWD/docs/images" \
    build/tests/quillo_ui_tests --gtest_filter='ReadmePictures.*' --gtest_brief=1
ls docs/images/hosting-*.png
