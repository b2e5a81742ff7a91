#!/usr/bin/env bash
# Installs what is missing, checks the C++ sources against .clang-format (scripts/check-format.sh),
# then builds and runs every test twice: a normal build (build/) and a clang build with
# AddressSanitizer and UndefinedBehaviorSanitizer that also builds the fuzzers (build-asan/).
# Benchmarks are built in both, not run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/check-format.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== normal build =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER=clang++ -DLMV_SANITIZE=ON -DLMV_FUZZ=ON
cmake --build build-asan -j "$jobs"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
(cd build-asan && ctest --output-on-failure -j "$jobs")
