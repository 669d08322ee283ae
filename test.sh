#!/usr/bin/env bash
# Installs what the build needs (Debian 12), builds everything into build/,
# runs every test, then runs the Qt-free libraries' tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/install-deps.sh
install_build_dependencies

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure --timeout 600

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVISKORA_SANITIZE=ON \
      -DVISKORA_GUI=OFF -DVISKORA_BENCH=OFF
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure --timeout 600
