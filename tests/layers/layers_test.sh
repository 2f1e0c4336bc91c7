#!/usr/bin/env bash
# The layers run one way: the gear library (calc/ but its Start command) and
# maths/ include nothing of the window or the program, ui/ nothing of app/,
# app/platform nothing of the command line; no target puts the source root on
# the include path of those that link it, so that a file sees only the
# folders of what its target links; and in CMake's target graph, for Linux
# and, where mingw-w64 is installed, for Windows, neither the gear library nor
# maths reaches the window contract, no window target reaches the program's,
# and the program's system layer does not reach the command line.
#   layers_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
status=0

fail() {  # WHAT FOUND
    echo "$1:" >&2
    echo "$2" >&2
    status=1
}

includes_of() {  # PATTERN FOLDER... : the include lines naming PATTERN
    local pattern=$1
    shift
    grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<]($pattern)/" "$@" || true
}

cd "$source_dir"
found=$(includes_of 'ui|app' maths calc | grep -vE '^calc/start_command\.(h|cpp):' || true)
[[ -z $found ]] || fail "the gear library or maths includes the window or the program" "$found"
found=$(includes_of 'app' ui)
[[ -z $found ]] || fail "ui/ includes the program" "$found"
found=$(includes_of 'app/cli' app/platform)
[[ -z $found ]] || fail "app/platform includes the command line" "$found"

# Each target exports its own folder: the source root (or a folder above a
# target's own) on a PUBLIC or INTERFACE include path would show every
# header to whoever links it.
found=$(find . -path ./build -prune -o \( -name CMakeLists.txt -o -name '*.cmake' \) -print0 |
        xargs -0 perl -0777 -ne '
            while (/target_include_directories\s*\(([^)]*)\)/g) {
                my $call = $1;
                my $scope = "";
                for my $word (split /\s+/, $call) {
                    $scope = $word if $word =~ /^(PUBLIC|PRIVATE|INTERFACE)$/;
                    print "$ARGV: $call\n"
                        if $scope =~ /^(PUBLIC|INTERFACE)$/
                           && $word =~ /^"?\$\{(PROJECT|CMAKE)_SOURCE_DIR\}"?$/;
                }
            }')
[[ -z $found ]] || fail "a target exports the source root" "$found"

graph_dir=$(mktemp -d)
trap 'rm -rf "$graph_dir"' EXIT

reaches() {  # DOT TARGET DEPENDENCY: whether TARGET links DEPENDENCY, directly or not
    # One file per target that links anything, holding all it links.
    local graph="$1.$2"
    [[ -f $graph ]] && grep -q "label = \"$3[\\\"]" "$graph"
}

check_graph() {  # NAME CMAKE-OPTION...
    local name=$1
    shift
    local dot="$graph_dir/$name/targets.dot"
    cmake -S "$source_dir" -B "$graph_dir/$name" -G Ninja -DBUILD_TESTING=OFF \
          -DINVOLUTE_BUILD_BENCHMARKS=OFF "$@" --graphviz="$dot" >/dev/null
    local library dependency
    for library in involute_calc involute_maths involute_window involute_window_entry \
                   involute_window_start involute_platform; do
        grep -q "label = \"$library[\\\"]" "$dot" ||
            { echo "no target $library in the $name graph" >&2; exit 2; }
    done
    for library in involute_calc involute_maths; do
        if reaches "$dot" "$library" involute_window; then
            fail "$library links the window contract (involute_window) on $name" \
                 "$(cat "$dot.$library")"
        fi
    done
    # The window's targets are those defined in ui/.
    local window_targets
    window_targets=$(grep -rhoE 'add_library\((involute_[a-z0-9_]+)' ui | sed 's/add_library(//')
    for library in $window_targets; do
        for dependency in involute_cli involute_platform; do
            if reaches "$dot" "$library" "$dependency"; then
                fail "$library (ui/) links the program's $dependency on $name" \
                     "$(cat "$dot.$library")"
            fi
        done
    done
    if reaches "$dot" involute_platform involute_cli; then
        fail "involute_platform links the command line on $name" "$(cat "$dot.involute_platform")"
    fi
}

check_graph linux
if command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
    check_graph windows -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-w64-x86_64.cmake"
fi
[[ $status -ne 0 ]] || echo "layers run one way"
exit $status
