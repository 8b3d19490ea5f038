#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
navik_setup

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DNAVIK_WERROR=ON
cmake --build build -j"$(nproc)"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -j"$(nproc)"
