#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the workbench need.
# Does nothing when they are all there already.
set -euo pipefail

# dpkg-dev and file: CPack finds the libraries each packaged binary needs with them.
paquetes=(
  build-essential cmake ninja-build pkg-config dpkg-dev file
  qt6-base-dev qt6-base-dev-tools libgl-dev fonts-liberation2
  libqt6sql6-sqlite libqt6sql6-psql libqt6sql6-odbc libsqlite3-dev
  unixodbc-dev tdsodbc
  postgresql libpq-dev
  clang-format clang-tidy
)

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
