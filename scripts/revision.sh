#!/usr/bin/env bash
# The checks of the code itself; any finding fails the run.
#
#   scripts/revision.sh formato          clang-format (the repo's .clang-format) on every C++ file
#   scripts/revision.sh lint BUILD_DIR [FILE.cpp...]
#                                        clang-tidy (the repo's .clang-tidy) on the product code
#                                        or on the files given, with the compile commands of a
#                                        configured, built tree (less its precompiled headers)
#
# clang-tidy runs one file per process, as many at once as there are cores;
# tests, benchmarks and examples are not product code and are left out.
set -euo pipefail
cd "$(dirname "$0")/.."

fuentes() {
    local carpetas=()
    for carpeta in foundation purchases sales regularization inventory stock labels security viewer app db tests bench examples; do
        [ -d "$carpeta" ] && carpetas+=("$carpeta")
    done
    find "${carpetas[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) | sort
}

case "${1:-}" in
formato)
    fuentes | xargs clang-format --dry-run --Werror
    echo "clang-format: sin diferencias"
    ;;
lint)
    build="${2:?uso: $0 lint BUILD_DIR}"
    [ -f "$build/compile_commands.json" ] || { echo "falta $build/compile_commands.json" >&2; exit 2; }
    inicio=$SECONDS
    # Debian 12's clang-tidy 22 (bookworm-security) skips the system headers'
    # declarations when it matches, which makes it over twice as fast as the
    # default clang-tidy 14 on these Qt-heavy files.
    clang_tidy="${NVLA_CLANG_TIDY:-clang-tidy-22}"
    # The compile commands without the precompiled headers: clang cannot read
    # gcc's, and each file must be parsed with its own #includes, so one that
    # forgets a header still fails here.
    comandos="$(mktemp -d)"
    trap 'rm -rf "$comandos"' EXIT
    sed -E -e 's/ -Winvalid-pch//g' -e 's/ -include [^ "]*cmake_pch\.hxx//g' \
        -e 's/ -Xclang -include-pch -Xclang [^ "]*\.pch//g' -e 's/ -Xclang -include -Xclang [^ "]*cmake_pch\.hxx//g' \
        "$build/compile_commands.json" >"$comandos/compile_commands.json"
    ! grep -qE ' -include(-pch)? [^ "]*cmake_pch' "$comandos/compile_commands.json" ||
        { echo "quedan cabeceras precompiladas en las órdenes de compilación" >&2; exit 2; }
    if [ $# -gt 2 ]; then
        archivos=$(printf '%s\n' "${@:3}")
    else
        archivos=$(fuentes | grep -Ev '^(tests|bench|examples)/' | grep '\.cpp$')
    fi
    # xargs answers 123 when any clang-tidy failed, which every warning does here.
    echo "$archivos" | xargs -P "$(nproc)" -n 1 \
        "$clang_tidy" -p "$comandos" --quiet --warnings-as-errors='*' 2> >(grep -v 'warnings\? generated\|^Suppressed\|^Use -header-filter\|NOLINT' >&2)
    echo "clang-tidy: $(echo "$archivos" | wc -l) archivos en $((SECONDS - inicio)) s, sin avisos"
    ;;
*)
    echo "uso: $0 formato | $0 lint BUILD_DIR [FILE.cpp...]" >&2
    exit 2
    ;;
esac
