#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine and builds the console into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(qt6-base-dev cmake ninja-build g++ libgtest-dev libbenchmark-dev fonts-dejavu-core
          clang libclang-rt-14-dev llvm
          xvfb xauth ngircd inspircd
          dpkg-dev desktop-file-utils appstream lintian man-db)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    # The IRC servers are there for the tests, which start their own on free ports: their
    # packages' services are not started now (nor left to fight over port 6667).
    policy=/usr/sbin/policy-rc.d
    if [ ! -e "$policy" ]; then
        printf '#!/bin/sh\nexit 101\n' | $sudo tee "$policy" >/dev/null
        $sudo chmod +x "$policy"
        trap '$sudo rm -f "$policy"' EXIT
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_type="${QUILLO_BUILD_TYPE:-RelWithDebInfo}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="$build_type" >/dev/null
cmake --build build --parallel "$(nproc)"
