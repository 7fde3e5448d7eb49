#!/usr/bin/env bash
# Installs what building and testing the library needs, when it is missing:
# the Linux toolchain and GoogleTest, and for the Windows builds Debian's
# mingw-w64 cross compilers (posix thread model) and Wine's 64-bit loader,
# clang with its fuzzer and sanitizer runtimes, for radarctl's pictures stb's
# image writer (libpng reads them back in a test), and for radarctl serve Boost
# (Beast), nlohmann-json (also scenario files), and Python with headless Chromium
# and pynmea2 for its tests; pytest for the Python binding's tests;
# Doxygen makes the API reference from radar.h and help2man radarctl's manual
# page; the package checks take dpkg-dev (the packages' dependencies), lintian,
# pkg-config and icoutils (version resources).
# Mono (mono-mcs, mono-runtime) compiles and runs the C# binding's test and
# example; the package checks install the Python binding with pip into a
# virtual environment (python3-venv, python3-pip, python3-setuptools);
# abigail-tools holds the library's ABI to its baseline (abidiff).
# LLVM's linker (lld-14) writes the Windows import libraries; with llvm-14's
# tools and unzip the Windows SDK's checks link and list them.
set -euo pipefail
packages=(cmake g++ make binutils libgtest-dev libbenchmark-dev libgmock-dev googletest clang-14 clang libclang-rt-14-dev
          libpng-dev libstb-dev g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686 wine64
          libboost-dev nlohmann-json3-dev python3 python3-websockets python3-nmea2 python3-pytest
          chromium chromium-driver python3-selenium python3-pil doxygen
          help2man dpkg-dev lintian pkg-config icoutils
          mono-mcs mono-runtime python3-venv python3-pip python3-setuptools
          lld-14 llvm-14 unzip abigail-tools)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
