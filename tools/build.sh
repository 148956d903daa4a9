#!/bin/sh
# Installs what is missing, builds both deliverables and runs the example
# script against the test host.
set -eu
cd "$(dirname "$0")/.."
sh tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc 2>/dev/null || echo 2)"
echo "deliverables:"
ls -1 build/deliverables/
./build/ko_reascript_7 examples/list_items.lua
./build/ko_reascript_6 examples/list_items.lua
