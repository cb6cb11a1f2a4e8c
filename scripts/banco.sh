#!/usr/bin/env bash
# The workbench on the embedded demo database (created with its demo data on
# first run), after installing only what it needs and building only it.
#   banco.sh [ARGUMENTS...]          builds it and opens it with the arguments
#   banco.sh --compilar [-DVAR=...]  only installs and builds, configuring with
#                                    the CMake options given: the test command
#                                    builds it so, with the packages this
#                                    script does not install hidden from CMake
# It builds in the release's tree (preset ci), which builds no tests: a machine
# with only what this script installs configures it, and the test command goes
# on to build the rest of that same tree.
set -euo pipefail
cd "$(dirname "$0")/.."

solo_compilar=false
opciones_cmake=()
if [ "${1:-}" = --compilar ]; then
  solo_compilar=true
  opciones_cmake=("${@:2}")
  set --
fi

bash scripts/dependencias.sh banco
cmake --preset ci "${opciones_cmake[@]}" >/dev/null
if [ ! -x build/ci/app/nvla-banco ]; then
  echo "Primera compilación del banco: unos 8 minutos en una máquina de 2 núcleos (las siguientes, segundos)."
fi
# Ninja's own progress, one line per step: [hecho/total porcentaje].
NINJA_STATUS="[%f/%t %p] " cmake --build --preset ci --target nvla-banco | cat
$solo_compilar && exit 0
exec build/ci/app/nvla-banco "$@"
