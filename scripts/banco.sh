#!/usr/bin/env bash
# The workbench on the embedded demo database (created with its demo data on
# first run), after installing what it needs and building.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/dependencias.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target nvla-banco
exec build/dev/app/nvla-banco "$@"
