#!/usr/bin/env bash
# Installs what is missing, builds, starts morvane-server on loopback and then the
# client, whose login dialog already holds the default account; closing the client
# stops the server.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh
cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVANE_TESTS=OFF -DMORVANE_BENCH=OFF
cmake --build build/run -j "$(nproc)"

cd build/run/bin
./morvane-server --host 127.0.0.1 &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null || true' EXIT
sleep 0.5
./morvane
