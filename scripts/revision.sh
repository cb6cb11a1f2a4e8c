#!/usr/bin/env bash
# The checks of the code itself; any finding fails the run.
#
#   scripts/revision.sh formato          clang-format (the repo's .clang-format) on every C++ file
#   scripts/revision.sh lint BUILD_DIR   clang-tidy (the repo's .clang-tidy) on the product code,
#                                        with the compile commands of a configured, built tree
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
    archivos=$(fuentes | grep -Ev '^(tests|bench|examples)/' | grep '\.cpp$')
    # xargs answers 123 when any clang-tidy failed, which every warning does here.
    echo "$archivos" | xargs -P "$(nproc)" -n 1 \
        clang-tidy -p "$build" --quiet --warnings-as-errors='*' 2> >(grep -v 'warnings\? generated\|^Suppressed\|^Use -header-filter\|NOLINT' >&2)
    echo "clang-tidy: $(echo "$archivos" | wc -l) archivos en $((SECONDS - inicio)) s, sin avisos"
    ;;
*)
    echo "uso: $0 formato | $0 lint BUILD_DIR" >&2
    exit 2
    ;;
esac
