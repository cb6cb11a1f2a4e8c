#!/usr/bin/env bash
# Installs the Debian 12 packages a build needs. Does nothing when they are all
# there already.
#   dependencias.sh banco   what the workbench needs to build and run on its
#                           embedded database: compiler, Qt and its Spanish
#                           translations, the client headers the library links,
#                           libzint for the lot labels' barcodes
#   dependencias.sh         everything the tests need besides: the PostgreSQL
#                           server, the other engines' Qt drivers and PostgreSQL's
#                           ODBC driver, Qt's SQLite driver (the library reaches
#                           SQLite itself; only the benchmarks' raw reads use it), the format and lint tools, clang with
#                           libFuzzer, Doxygen and what the packages are made with,
#                           and zxing-cpp, which scans the printed labels back
set -euo pipefail

paquetes=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev fonts-liberation2
  libsqlite3-dev libpq-dev unixodbc-dev
  qt6-translations-l10n libzint-dev
)
# dpkg-dev and file: CPack finds the libraries each packaged binary needs with them.
if [ "${1:-}" != banco ]; then
  paquetes+=(
    libqt6sql6-psql libqt6sql6-odbc libqt6sql6-sqlite tdsodbc odbc-postgresql postgresql
    clang-format clang-tidy-22 clang libclang-rt-14-dev doxygen dpkg-dev file libzxing-dev
  )
fi

faltan=()
for paquete in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$paquete" 2>/dev/null | grep -q "install ok installed" || faltan+=("$paquete")
done
[ ${#faltan[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Instalando: ${faltan[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${faltan[@]}" >/dev/null
