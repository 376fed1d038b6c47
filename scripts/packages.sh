# Shared by ./play and ./test: install the Debian packages the game needs to
# build, play and test, touching apt only when something is missing.
# clang and libclang-rt-14-dev (libFuzzer and clang's sanitizer runtimes) build
# the fuzz targets; x11-utils (xwininfo) and libxcb1-dev serve the smoke test
# on a virtual display; desktop-file-utils checks the installed desktop entry.
DEEDWELL_PACKAGES=(cmake g++ make pkg-config libgtest-dev libbenchmark-dev
  qt6-base-dev libsdl2-mixer-dev freepats fonts-dejavu-core xvfb xauth locales
  clang libclang-rt-14-dev x11-utils libxcb1-dev desktop-file-utils)

deedwell_install_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}
