#!/usr/bin/env bash
# The Debian packages of a release: builds the `paquete` preset (Release, prefix
# /usr) and runs CPack; the .deb files land in build/paquete/paquetes.
#
#   scripts/paquetes.sh                  build the packages
#   scripts/paquetes.sh --probar         and then (CI) install them on this machine, build
#                                        examples/host against them with find_package,
#                                        run it and the workbench offscreen, check that the
#                                        API reference came with the headers, and remove
#                                        them again, also when a step fails
#   scripts/paquetes.sh --probar build/ci
#                                        package a tree already built for /usr instead
#                                        (CI: the tree its tests ran on, not a third build)
set -euo pipefail
cd "$(dirname "$0")/.."

inicio=$SECONDS
arbol="${2:-}"
if [ -n "$arbol" ]; then
    [ "$(cmake -LA -N "$arbol" | sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p')" = /usr ] ||
        { echo "$arbol no está configurado para /usr" >&2; exit 2; }
    rm -rf "$arbol/paquetes"
    cpack --config "$arbol/CPackConfig.cmake" >/dev/null
else
    arbol=build/paquete
    cmake --preset paquete >/dev/null
    cmake --build --preset paquete
    rm -rf "$arbol/paquetes"
    cpack --preset paquete >/dev/null
fi
debs=("$arbol"/paquetes/*.deb)
for deb in "${debs[@]}"; do
    echo "$deb: $(dpkg-deb -f "$deb" Depends)"
done

if [ "${1:-}" = --probar ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    nombres=()
    for deb in "${debs[@]}"; do nombres+=("$(dpkg-deb -f "$deb" Package)"); done
    quitar() { $sudo dpkg --purge "${nombres[@]}" >/dev/null 2>&1; }
    # What an earlier run left behind would hide a missing file of this one.
    quitar
    trap quitar EXIT
    # dpkg, not apt: a dependency the packages forgot to declare is not pulled in by chance.
    $sudo dpkg -i "${debs[@]}" >/dev/null
    # The API reference goes with the headers, when Doxygen was there to make it.
    if [ -f "$arbol/docs/api/Doxyfile" ] && [ ! -f /usr/share/doc/libnvlalotes-dev/api/index.html ]; then
        echo "el paquete de desarrollo no trae la referencia de la API" >&2
        exit 1
    fi
    QT_QPA_PLATFORM=offscreen cmake -DMODO=sistema -DBUILD_DIR="$PWD/$arbol" -DSOURCE_DIR="$PWD" \
        -P tests/host/construir_host.cmake
    QT_QPA_PLATFORM=offscreen nvla-banco --help >/dev/null
    echo "paquetes instalados, host de ejemplo construido y ejecutado"
fi
echo "paquetes: $((SECONDS - inicio)) s"
