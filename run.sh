#!/usr/bin/env bash
# Installs what is missing, builds the program with the bundled demo bank and starts the
# trainer from its portable folder.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
navik_setup

# The same configuration as test.sh, so the two share one build.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DNAVIK_WERROR=ON
cmake --build build -j"$(nproc)" --target navik navik_demo_bank
exec build/dist/navik
