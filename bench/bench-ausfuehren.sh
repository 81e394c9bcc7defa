#!/bin/sh
# Generates the benchmark business once (1,000,000 bookings over 25 years) and runs the
# benchmarks on it.
set -e
admin="$1"
bench="$2"
verzeichnis="${KIVO_BENCH_DIR:-/tmp/kivo-bench/daten}"
if [ ! -e "$verzeichnis/daten/Bench/30000/daten.mdb" ]; then
    rm -rf "$verzeichnis"
    "$admin" datenverzeichnis "$verzeichnis"
    "$admin" bereich "$verzeichnis" Bench
    "$admin" betrieb "$verzeichnis" Bench 30000 Benchbetrieb Inhaber 01.01.2000
    "$admin" testdaten "$verzeichnis" Bench 30000 1000000
fi
KIVO_BENCH_DIR="$verzeichnis" "$bench" --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true
