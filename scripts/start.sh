#!/usr/bin/env bash
# Installs what is missing, builds the program into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target lmv2pr
exec ./build/src/mainwindow/lmv2pr
