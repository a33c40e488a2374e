#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs the whole suite headless, then builds the
# libFuzzer targets with clang and gives each a bounded smoke run.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

tools/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
# Any sanitizer report fails the run.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0"

cmake -S . -B build/test -G Ninja -DMORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure -j "$jobs" --timeout 300

CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DMORVANE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/fuzz -j "$jobs"
ctest --test-dir build/fuzz --output-on-failure -j "$jobs" --timeout 600
