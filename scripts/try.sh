#!/usr/bin/env bash
# First run on a fresh machine: installs what the builds need, builds every
# preset and runs a first program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
./build/native/tests/smoke/qel_smoke
