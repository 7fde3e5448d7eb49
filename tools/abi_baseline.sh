#!/usr/bin/env bash
# Remakes the ABI baseline that the abi_baseline test holds the library to:
#   tools/abi_baseline.sh [build folder]      (default: build)
# Only on purpose: a new 1.x adds exports and the baseline with them; nothing
# that programs use may change. Say why in the commit.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
abidw --no-corpus-path --no-show-locs --no-comp-dir-path --headers-dir include --drop-private-types \
      --out-file abi/libradar.so.1.xml "$build/lib/libradar.so.1"
# Paths of the source files are left relative to the tree: where a build was
# made is nothing to compare.
sed -i "s|$(pwd)/||g" abi/libradar.so.1.xml
echo "abi/libradar.so.1.xml remade from $build/lib/libradar.so.1"
