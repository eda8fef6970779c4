#!/usr/bin/env bash
# The main job: builds the host-ready i686 plug-in (and the mode panel) and
# puts them into dist/Plugins, ready to copy into the host's Plugins folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh
cmake --preset win32
cmake --build --preset win32
rm -rf dist
cmake --install build/win32 --prefix dist
echo "Ready for the host:"
ls -l dist/Plugins
