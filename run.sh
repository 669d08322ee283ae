#!/usr/bin/env bash
# ./run.sh [FILE.vkr]: installs what the build needs (Debian 12), builds
# the desktop program and the command-line calculator into build/ (the tests
# and benchmarks are left to ./test.sh) and starts the desktop program, with
# the file when one is given.
set -euo pipefail
caller_dir="$PWD"
repo="$(cd "$(dirname "$0")" && pwd)"
cd "$repo"
source scripts/install-deps.sh
install_build_dependencies

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVISKORA_GUI=ON -DVISKORA_SANITIZE=OFF
cmake --build build --target viskora viskora-calc

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: the desktop program needs a graphical session (DISPLAY or WAYLAND_DISPLAY)."
    echo "Without one, use the command-line calculator, for example:"
    echo "  $repo/build/cli/viskora-calc basic --density 850"
    echo "  $repo/build/cli/viskora-calc show FILE.vkr"
    exit 1
fi

# A file named relative to where run.sh was called from.
cd "$caller_dir"
exec "$repo/build/shell/viskora" "$@"
