#!/usr/bin/env bash
# Lumo's one entry point for building on Debian 12.
#   ./build.sh run        install what is missing, build, and start Lumo
#   ./build.sh test       install what is missing, build, and run every test
#   ./build.sh sanitize   the core tests built with AddressSanitizer and UBSan
#   ./build.sh bench      the benchmarks (core, start-up, opening and printing a full page)
#   ./build.sh fuzz [S]   every fuzz target for S seconds each (default 60), from its corpus
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
  build-essential cmake pkg-config
  libwxgtk3.2-dev libcairo2-dev libboost-dev libboost-system-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  groff xvfb xauth poppler-utils fonts-dejavu-core xdg-utils
  desktop-file-utils shared-mime-info man-db lintian
  clang-14 libfuzzer-14-dev libclang-rt-14-dev
  ser2net
)
JOBS=${JOBS:-2}

install_missing() {
  local missing=() pkg
  for pkg in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" \
      || missing+=("$pkg")
  done
  ((${#missing[@]} == 0)) && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

build() {  # build DIR [cmake options...]
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j"$JOBS"
}

sanitize() {
  build build-asan -DLUMO_SANITIZE=ON -DLUMO_BUILD_GUI=OFF -DLUMO_BUILD_BENCH=OFF
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan -L core --output-on-failure -j"$JOBS"
}

# Each target starts from its corpus in the repo (seeds and the inputs of faults found before)
# and keeps what it finds in the build folder; a crash leaves its input in build-fuzz/crashes.
fuzz() {  # fuzz SECONDS [SEED]: a fixed seed makes the short run of the tests repeatable
  local seconds=${1:-60} seed=${2:-0} target status=0 line
  CC=clang-14 CXX=clang++-14 build build-fuzz -DLUMO_FUZZ=ON -DLUMO_BUILD_GUI=OFF -DLUMO_BUILD_BENCH=OFF
  mkdir -p build-fuzz/crashes
  for target in lumo_file import trecord analog_line digital_session analog_session telnet; do
    mkdir -p "build-fuzz/corpus/$target"
    if UBSAN_OPTIONS=print_stacktrace=1 ASAN_OPTIONS=detect_leaks=0 \
        "build-fuzz/bin/${target}_fuzz" -max_total_time="$seconds" -timeout=20 -max_len=16384 \
        -print_final_stats=1 -seed="$seed" -artifact_prefix="build-fuzz/crashes/$target-" \
        "build-fuzz/corpus/$target" "fuzz/corpus/$target" > "build-fuzz/$target.log" 2>&1; then
      line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "build-fuzz/$target.log" | tail -n 1 || true)
      echo "$target: $(grep -oE 'stat::number_of_executed_units: *[0-9]+' "build-fuzz/$target.log" \
        | grep -oE '[0-9]+$') executions, ${line#*DONE}"
    else
      status=1
      echo "$target: FAILED (build-fuzz/$target.log)"
      grep -E 'ERROR|SUMMARY|invariant|runtime error' "build-fuzz/$target.log" | head -n 5
    fi
  done
  return $status
}

case "${1:-}" in
  run)
    install_missing
    build build
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      echo "Lumo is built (build/bin/lumo) but there is no display to show it on." >&2
      exit 1
    fi
    exec build/bin/lumo
    ;;
  test)
    install_missing
    sanitize
    build build
    ctest --test-dir build --output-on-failure -j"$JOBS"
    fuzz 20 1
    ;;
  sanitize)
    install_missing
    sanitize
    ;;
  bench)
    install_missing
    build build
    build/bin/lumo_core_bench
    build/bin/lumo_serial_bench
    bench/startup.sh build/bin/lumo
    GDK_GL=disable xvfb-run -a -s "-screen 0 1600x1200x24" build/bin/lumo_gui_open_bench
    build/bin/lumo_print_bench build/bin/lumo
    ;;
  fuzz)
    install_missing
    fuzz "${2:-60}"
    ;;
  package)
    install_missing
    build build
    (cd build && cpack -G DEB)
    ls build/lumo_*.deb
    ;;
  *)
    sed -n '2,7p' "$0" >&2
    exit 2
    ;;
esac
