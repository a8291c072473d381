#!/usr/bin/env bash
# First run on a fresh machine: installs what the builds need, builds every
# preset and runs the first example script with the native runner.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
./build/native/runner/qelu examples/hello.qel
