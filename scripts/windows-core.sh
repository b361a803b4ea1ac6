#!/usr/bin/env bash
# The Qt-free core and the unit simulator on Windows: cross-built with Debian's mingw-w64, warnings as
# errors, every GoogleTest program run under wine. Builds in build-windows/ (the wine prefix lives there
# too, so the user's own ~/.wine is never touched) and ends on the line "N passed, N failed, N skipped",
# counting test cases; a program that fails without GoogleTest's own count counts as one failed case.
set -euo pipefail
trap 'echo "windows-core: failed at line $LINENO" >&2' ERR
cd "$(dirname "$0")/.."

build=build-windows
packages=(g++-mingw-w64-x86-64-posix wine wine64 googletest cmake make)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
    echo "windows-core: installing ${missing[*]}"
    apt-get update -qq
    # Without the recommended fonts: wine would bring a Tahoma that the window then prefers.
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# -O2: GCC 12's -O3 sees overlapping copies in libstdc++'s own string code that are not there.
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
    "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" -DZARVEX1_WERROR=ON -DZARVEX1_GUI=OFF -DZARVEX1_BENCH=OFF \
    -DZARVEX1_FUZZ=OFF -DZARVEX1_GTEST_SOURCE=/usr/src/googletest >/dev/null
nice -n 10 cmake --build "$build" -j2

# A prefix of its own, made without a display; wineserver ends with the script.
export WINEPREFIX="$PWD/$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    # wineboot returns before the prefix is ready; its server ends once it is.
    wineboot --init >/dev/null 2>&1
    wineserver -w
fi
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT

passed=0
failed=0
skipped=0
failures=()
log="$build/logs"
mkdir -p "$log"
for program in "$build"/tests/test_*.exe; do
    name=$(basename "$program" .exe)
    status=0
    nice -n 10 timeout 600 wine "$program" --gtest_color=no >"$log/$name.txt" 2>&1 || status=$?
    tr -d '\r' <"$log/$name.txt" >"$log/$name.log" && rm "$log/$name.txt"
    ran=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\.$/\1/p' "$log/$name.log")
    broke=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) tests\?, listed below:$/\1/p' "$log/$name.log")
    left=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) tests\?, listed below:$/\1/p' "$log/$name.log")
    passed=$((passed + ${ran:-0}))
    skipped=$((skipped + ${left:-0}))
    if ((status != 0)); then
        failed=$((failed + ${broke:-1}))
        failures+=("$name")
        echo "windows-core: $name failed (exit $status):"
        if ! grep -E -A8 ': Failure$|^unknown file: Failure' "$log/$name.log" | head -60; then
            tail -20 "$log/$name.log" # it ended without GoogleTest's word: a crash or a hang
        fi
    else
        echo "windows-core: $name: ${ran:-0} passed"
    fi
done

if ((${#failures[@]})); then
    echo "windows-core: failed: ${failures[*]} (logs in $log/)"
fi
echo "$passed passed, $failed failed, $skipped skipped"
((failed == 0))
