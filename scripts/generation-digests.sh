#!/usr/bin/env bash
# Digests of everything the batch tool writes for each design of a folder: the
# console, standard error, report, DXF, GF1 and JSON. Two digest lists from two
# builds show whether a change altered any output by one bit.
#
#   scripts/generation-digests.sh write BATCH_TOOL DESIGN_FOLDER DIGEST_FILE
#   scripts/generation-digests.sh compare BEFORE_DIGESTS AFTER_DIGESTS
#
# The benchmark set's designs come from `write-bench-designs FOLDER` (bench/).
# A run that passes the time limit stops wherever it is, so its outputs mean
# nothing: it is listed as "timeout" with no digests. The JSON's run time and
# the GF1's record of its own path are left out of the digests.
set -euo pipefail
export LC_ALL=C

usage() {
    sed -n '5,6p' "$0" >&2
    exit 2
}

digest() { sha256sum | cut -c1-16; }

write_digests() {
    local tool=$1 designs=$2 out=$3
    local limit=${GENERATION_TIMEOUT:-10}
    work=$(mktemp -d)  # global: the exit trap still needs it
    trap 'rm -rf "$work"' EXIT
    : > "$out"
    for project in "$designs"/*.sfp; do
        local name status code
        name=$(basename "$project" .sfp)
        rm -f "$work"/*
        set +e
        "$tool" run "$project" --timeout "$limit" --report "$work/report.rpt" --dxf "$work/hull.dxf" \
            --gf1 "$work/hull.gf1" --json "$work/run.json" > "$work/console.txt" 2> "$work/errors.txt"
        code=$?
        set -e
        if grep -q "did not finish within" "$work/errors.txt"; then
            echo "$name timeout" >> "$out"
            continue
        fi
        case $code in
            0) status=finished ;;
            1) status=not-finished ;;
            *) status=exit-$code ;;
        esac
        local sums=()
        sums+=("console=$(digest < "$work/console.txt")")
        sums+=("errors=$(digest < "$work/errors.txt")")
        local file
        for file in report.rpt hull.dxf; do
            if [[ -f $work/$file ]]; then sums+=("$file=$(digest < "$work/$file")"); else sums+=("$file=-"); fi
        done
        if [[ -f $work/hull.gf1 ]]; then
            sums+=("hull.gf1=$(sed "s|$work/||g" "$work/hull.gf1" | digest)")
        else
            sums+=("hull.gf1=-")
        fi
        if [[ -f $work/run.json ]]; then
            sums+=("run.json=$(grep -v '^  "seconds": ' "$work/run.json" | digest)")
        else
            sums+=("run.json=-")
        fi
        echo "$name $status ${sums[*]}" >> "$out"
    done
}

compare_digests() {
    local before=$1 after=$2
    local designs timeouts differing
    designs=$(wc -l < "$before")
    timeouts=$(grep -c ' timeout$' "$before" || true)
    if [[ $(cut -d' ' -f1 "$before") != $(cut -d' ' -f1 "$after") ]]; then
        echo "the two lists are not of the same designs" >&2
        exit 1
    fi
    # A design that timed out before may finish now (or the reverse): only its
    # status can be compared then.
    differing=$(paste -d'\n' "$before" "$after" | paste - - -d'|' | awk -F'|' '
        { split($1, b, " "); split($2, a, " ") }
        b[2] == "timeout" || a[2] == "timeout" { if (b[2] != a[2]) print b[1] " timeout changed: " b[2] " -> " a[2]; next }
        $1 != $2 { print b[1] }')
    echo "designs: $designs, timed out before: $timeouts"
    if [[ -n $differing ]]; then
        echo "outputs differ for:"
        echo "$differing"
        exit 1
    fi
    echo "every output identical: $((designs - timeouts)) designs x console, errors, report, DXF, GF1, JSON"
}

case ${1:-} in
    write) [[ $# -eq 4 ]] || usage; write_digests "$2" "$3" "$4" ;;
    compare) [[ $# -eq 3 ]] || usage; compare_digests "$2" "$3" ;;
    *) usage ;;
esac
