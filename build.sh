#!/usr/bin/env bash
# Sets up, builds and runs Quendaro 32 on Debian 12.
#
#   ./build.sh run     install what is missing, build, start the program
#   ./build.sh test    install what is missing, build, run every test
#
# Options (after the command):
#   --sanitize   build in build-sanitize/ with AddressSanitizer and
#                UndefinedBehaviorSanitizer
#
# As root the script installs missing Debian packages with apt-get; as any
# other user it names them and stops.
set -euo pipefail

cd "$(dirname "$0")"

# What a fresh Debian 12 needs to build, test and show the windows, and for
# the fuzzing and benchmarks of fuzz/run.sh and bench/run.sh.
readonly PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev
  nlohmann-json3-dev python3-jsonschema
  fonts-dejavu-core fonts-liberation2 fonts-quattrocento
  locales
  clang libclang-rt-14-dev libbenchmark-dev
)

usage() {
  sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//'
  exit 2
}

install_missing() {
  local missing=()
  local package
  for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null |
        grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [[ ${#missing[@]} -eq 0 ]] && return 0

  if [[ $(id -u) -ne 0 ]]; then
    echo "error: these Debian packages are missing: ${missing[*]}" >&2
    echo "install them with:  sudo apt-get install ${missing[*]}" >&2
    echo "then run this command again." >&2
    exit 1
  fi
  echo "Installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
  local build_dir=$1
  shift
  cmake -S . -B "$build_dir" -G Ninja -DQUENDARO_WERROR=ON "$@"
  cmake --build "$build_dir" --parallel "$(nproc)"
}

command=${1:-}
shift || true
sanitize=0
for option in "$@"; do
  case $option in
    --sanitize) sanitize=1 ;;
    *) usage ;;
  esac
done

build_dir=build
cmake_options=()
if [[ $sanitize -eq 1 ]]; then
  build_dir=build-sanitize
  cmake_options+=(-DQUENDARO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi

case $command in
  run)
    install_missing
    configure_and_build "$build_dir" "${cmake_options[@]}"
    exec "$build_dir/src/app/quendaro"
    ;;
  test)
    install_missing
    configure_and_build "$build_dir" "${cmake_options[@]}"
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$build_dir" \
      --output-on-failure --parallel "$(nproc)"
    ;;
  *)
    usage
    ;;
esac
