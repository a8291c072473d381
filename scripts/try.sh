#!/usr/bin/env bash
# First run on a fresh machine: installs what the native build needs, builds
# the native runner alone and runs the first example script with it.
# scripts/test.sh installs and builds the rest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --native
[ -f build/native/build.ninja ] || cmake --preset native >/dev/null
cmake --build --preset native -j "$(nproc)" --target qelu
./build/native/runner/qelu examples/hello.qel
