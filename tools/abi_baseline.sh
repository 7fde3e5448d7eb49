#!/usr/bin/env bash
# Remakes the ABI baselines that the abi_baseline tests hold the libraries to:
#   tools/abi_baseline.sh [build folder]      (default: build)
# Only on purpose: a new 1.x adds exports and the baseline with them; nothing
# that programs use may change. Say why in the commit.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
for library in libradar.so.1 libradartrack.so.1; do
  abidw --no-corpus-path --no-show-locs --no-comp-dir-path --headers-dir include --drop-private-types \
        --out-file "abi/$library.xml" "$build/lib/$library"
  # Paths of the source files are left relative to the tree: where a build was
  # made is nothing to compare.
  sed -i "s|$(pwd)/||g" "abi/$library.xml"
  echo "abi/$library.xml remade from $build/lib/$library"
done
