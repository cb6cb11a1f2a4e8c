#!/usr/bin/env bash
# The workbench on the embedded demo database (created with its demo data on
# first run), after installing only what it needs and building only it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/dependencias.sh banco
cmake --preset dev >/dev/null
if [ ! -x build/dev/app/nvla-banco ]; then
  echo "Primera compilación del banco: unos 6 minutos en una máquina de 2 núcleos (las siguientes, segundos)."
fi
# Ninja's own progress, one line per step: [hecho/total porcentaje].
NINJA_STATUS="[%f/%t %p] " cmake --build --preset dev --target nvla-banco | cat
exec build/dev/app/nvla-banco "$@"
