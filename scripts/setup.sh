#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine and builds the console into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(qt6-base-dev cmake ninja-build g++ libgtest-dev libbenchmark-dev fonts-dejavu-core
          clang libclang-rt-14-dev llvm
          xvfb xauth ngircd)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_type="${QUILLO_BUILD_TYPE:-RelWithDebInfo}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="$build_type" >/dev/null
cmake --build build --parallel "$(nproc)"
