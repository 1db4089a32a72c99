# Shared by scripts/run and scripts/test: install what is missing, then configure and build
# the Release tree in build/.
set -euo pipefail

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir="$repo_root/build"

required_packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-image-formats-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libgif-dev
  fonts-liberation fonts-dejavu-core fontconfig
  clang clang-format
  git
  xvfb xauth
)

install_missing_packages() {
  local missing=()
  for p in "${required_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Run this script as root once, or install them with apt-get." >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_project() {
  cmake -S "$repo_root" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build_dir" --parallel "$(nproc)"
}
