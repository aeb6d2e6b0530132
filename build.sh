#!/usr/bin/env bash
# Sets up, builds and runs Quendaro 32 on Debian 12.
#
#   ./build.sh run      install what is missing, build, start the program
#   ./build.sh test     install what is missing, build, run every test, then
#                       make the Debian package and check it
#   ./build.sh package  install what is missing, build, make the Debian
#                       package quendaro_VERSION-1_ARCH.deb here and check it
#
# Options (after the command):
#   --sanitize   build in build-sanitize/ with AddressSanitizer and
#                UndefinedBehaviorSanitizer
#
# As root the script installs missing Debian packages with apt-get; as any
# other user it names them and stops.
set -euo pipefail

cd "$(dirname "$0")"

# What a fresh Debian 12 needs to build, test and show the windows, to make
# and check the Debian package, to check the code's layout
# (scripts/check-format.sh), and for the fuzzing and benchmarks of
# fuzz/run.sh and bench/run.sh.
readonly PACKAGES=(
  cmake ninja-build g++ pkg-config python3
  qt6-base-dev qt6-svg-dev libgl-dev qt6-translations-l10n
  libgtest-dev libgmock-dev poppler-utils
  nlohmann-json3-dev python3-jsonschema zlib1g-dev
  appstream desktop-file-utils dpkg-dev file lintian zsh
  fonts-dejavu-core fonts-liberation2 fonts-quattrocento
  locales
  libcli11-dev
  clang clang-format libclang-rt-14-dev libbenchmark-dev time
)

usage() {
  sed -n '2,16p' "$0" | sed 's/^# \{0,1\}//'
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

# Makes the .deb from the build tree with CPack and checks it: lintian must
# find no error, the menu entry, software-centre entry and icons it installs
# must agree, and the binaries must be stripped and carry no library search
# path of their own. Leaves the package in the current directory.
package_and_check() {
  local build_dir=$1
  (cd "$build_dir" && cpack --config CPackConfig.cmake -G DEB >/dev/null)
  local deb
  deb=$(cd "$build_dir" && ls -t quendaro_*.deb | head -n 1)
  mv "$build_dir/$deb" .

  # Global, not local: the EXIT trap removes it however the checks end.
  unpacked=$(mktemp -d)
  trap 'rm -rf "$unpacked"' EXIT
  dpkg-deb -x "$deb" "$unpacked"
  local binary
  for binary in "$unpacked"/usr/games/*; do
    if readelf -d "$binary" | grep -Eq '\((RPATH|RUNPATH)\)'; then
      echo "error: $deb: ${binary#"$unpacked"} has a library search path" >&2
      return 1
    fi
    if ! file -b "$binary" | grep -q ', stripped'; then
      echo "error: $deb: ${binary#"$unpacked"} is not stripped" >&2
      return 1
    fi
  done
  # The menu entry, the software-centre entry and the icons as installed
  # must agree with one another.
  appstreamcli validate-tree --no-net "$unpacked"
  lintian --fail-on error "$deb"
  echo "Made $deb; install it with:  sudo apt install ./$deb"
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
    # A sanitized build is no package to give anyone.
    if [[ $sanitize -eq 0 ]]; then
      package_and_check "$build_dir"
    fi
    ;;
  package)
    install_missing
    configure_and_build "$build_dir" "${cmake_options[@]}"
    package_and_check "$build_dir"
    ;;
  *)
    usage
    ;;
esac
