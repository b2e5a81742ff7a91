#!/usr/bin/env bash
# Installs what is missing, builds the program and its tools (the simulator, the record inspector)
# into build/ and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target lmv2pr lmvsim lmvrec
exec ./build/src/mainwindow/lmv2pr
