#!/usr/bin/env bash
# Builds the fuzz targets of the parsers (preset "fuzz": clang, libFuzzer, the
# address and undefined-behaviour sanitizers) and runs each one for the given
# seconds (5 by default) from its seeds in tests/fuzz/semillas/<target>, which
# also replays every input that once broke a parser. Prints the executions of
# each target; a broken promise or a sanitizer report stops the run and leaves
# the input in build/fuzz/hallazgos/.
#   bash scripts/fuzz.sh          the short run of the test command
#   bash scripts/fuzz.sh 600      ten minutes per target
set -euo pipefail
cd "$(dirname "$0")/.."

segundos="${1:-5}"
objetivos=(gs1 numeros fechas cadena_conexion tsql fila_rejilla)
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${objetivos[@]/#/fuzz_}"

hallazgos=build/fuzz/hallazgos
mkdir -p "$hallazgos"
export ASAN_OPTIONS="detect_leaks=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" QT_QPA_PLATFORM=offscreen
for objetivo in "${objetivos[@]}"; do
  # New inputs go to a scratch corpus, so the seeds in the repository stay as chosen.
  corpus="build/fuzz/corpus/$objetivo"
  mkdir -p "$corpus"
  registro="build/fuzz/$objetivo.log"
  if ! "build/fuzz/tests/fuzz/fuzz_$objetivo" -max_total_time="$segundos" -print_final_stats=1 \
      -artifact_prefix="$hallazgos/$objetivo-" "$corpus" "tests/fuzz/semillas/$objetivo" >"$registro" 2>&1; then
    tail -40 "$registro"
    echo "fuzz=$objetivo FALLA (entrada en $hallazgos)"
    exit 1
  fi
  echo "fuzz=$objetivo $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$registro" | tr -s ' ')"
done
