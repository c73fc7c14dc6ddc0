#!/usr/bin/env bash
# Installs the Debian packages the build and the Wine test run need, only when missing.
set -euo pipefail

packages=(
  cmake ninja-build python3 ccache
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
  wine wine64 fonts-wine xvfb xauth
  googletest libstb-dev fonts-ipafont-gothic
  llvm lld
  wine32:i386
  clang libclang-rt-14-dev libgtest-dev
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ $status == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "packages.sh: installing ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  echo "packages.sh: not root; install them with: apt-get install ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
# 32-bit Wine runs the i686 build's tests; it must be there before a prefix is made.
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
