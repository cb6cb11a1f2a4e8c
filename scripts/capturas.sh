#!/usr/bin/env bash
# The README's pictures: every dialog and window of the library opened on the
# demo data, offscreen at 96 DPI, saved as docs/<dialog>.png.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/dependencias.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target nvla-capturas
build/dev/app/nvla-capturas docs
