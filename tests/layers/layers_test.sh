#!/usr/bin/env bash
# The layers run one way: the gear library (calc/ but its Start command) and
# maths/ include nothing of the window or the program, ui/ nothing of app/,
# and in CMake's target graph neither the gear library nor maths reaches the
# window contract.
#   layers_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
status=0

includes_of() {  # PATTERN FOLDER... : the include lines naming PATTERN
    local pattern=$1
    shift
    grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<]($pattern)/" "$@" || true
}

cd "$source_dir"
found=$(includes_of 'ui|app' maths calc | grep -vE '^calc/start_command\.(h|cpp):' || true)
if [[ -n $found ]]; then
    echo "the gear library or maths includes the window or the program:" >&2
    echo "$found" >&2
    status=1
fi
found=$(includes_of 'app' ui)
if [[ -n $found ]]; then
    echo "ui/ includes the program:" >&2
    echo "$found" >&2
    status=1
fi

graph_dir=$(mktemp -d)
trap 'rm -rf "$graph_dir"' EXIT
cmake -S "$source_dir" -B "$graph_dir/build" -G Ninja -DBUILD_TESTING=OFF \
      -DINVOLUTE_BUILD_BENCHMARKS=OFF --graphviz="$graph_dir/targets.dot" >/dev/null
for library in involute_calc involute_maths; do
    grep -q "label = \"$library[\\\"]" "$graph_dir/targets.dot" ||
        { echo "no target $library in the graph" >&2; exit 2; }
    # One file per target that links anything, holding all it links, directly
    # or not.
    graph="$graph_dir/targets.dot.$library"
    if [[ -f $graph ]] && grep -q 'label = "involute_window[\"]' "$graph"; then
        echo "$library links the window contract (involute_window):" >&2
        cat "$graph" >&2
        status=1
    fi
done
[[ $status -ne 0 ]] || echo "layers run one way"
exit $status
