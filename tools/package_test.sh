#!/usr/bin/env bash
# What a team that takes the library gets, checked as they would use it. From
# the build folders tools/test.sh leaves (build, build-win32, build-win64):
#   linux  cmake --install into a fresh prefix; the consumer (tests/consumer)
#          built with find_package and with pkg-config against it, and with
#          find_package from the unpacked radar-<version>-Linux.tar.gz; each run
#          against the installed radarctl sim. find_package of 2.0 must fail.
#   deb    radar_<version>_amd64.deb installed with dpkg, the consumer built
#          against the system's copy and run, the package removed (purged),
#          nothing left.
#   win64  radar-<version>-win64.zip unpacked; the consumer cross-built against
#          its radar.lib and run under wine64 against its radarctl.exe sim;
#          radarctl.exe demo writes its pictures.
#   win32  radar-<version>-win32.zip: radar.dll's export table is the 244
#          decorated names, the consumer links against its radar.lib and
#          imports decorated names of radar.dll.
#   Both zips: the DLLs' version resources carry the version.
# Usage: tools/package_test.sh [linux] [deb] [win64] [win32]   (default: all)
# The consumer takes UDP port 10024: nothing else may hold it meanwhile.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
parts=("$@")
[ ${#parts[@]} -gt 0 ] || parts=(linux deb win64 win32)
version=$(sed -n 's/^project(radar VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
version_text=$(sed -n 's/^constexpr char version_text\[\] = "\([0-9a-z]*\)";$/\1/p' session/session.cpp)
work=$(mktemp -d /tmp/radar-packages.XXXXXX)
station_pid=""
cleanup() {
  [ -z "$station_pid" ] || kill "$station_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export WINEDEBUG=-all
wine=/usr/lib/wine/wine64
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo

fail() { echo "package test FAILED: $*" >&2; exit 1; }
step() { echo "-- $*"; }

# Starts a radar station (the command given, "radarctl sim" of some tree) on
# a free loopback port and sets station_port once it says where it listens.
start_station() {
  local log=$work/station.$RANDOM.log
  "$@" --port 0 --seconds 120 >"$log" 2>&1 &
  station_pid=$!
  for _ in $(seq 1 300); do
    station_port=$(sed -n 's/.*commands on 127\.0\.0\.1:\([0-9]*\) (TCP).*/\1/p' "$log")
    [ -n "$station_port" ] && return 0
    kill -0 "$station_pid" 2>/dev/null || break
    sleep 0.1
  done
  cat "$log" >&2
  fail "the station did not start: $*"
}
stop_station() {
  kill "$station_pid" 2>/dev/null || true
  wait "$station_pid" 2>/dev/null || true
  station_pid=""
}

# Runs a consumer program against a station; both given as commands.
run_consumer() {
  local consumer=$1; shift
  start_station "$@"
  timeout 60 $consumer "$station_port" || fail "the consumer $consumer against $*"
  stop_station
}

cpack_in() {
  (cd "$1" && cpack -B "$work/packages" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack in $1"; }
}

linux() {
  step "install into a fresh prefix"
  local prefix=$work/prefix
  cmake --install build --prefix "$prefix" >/dev/null
  for f in lib/libradar.so.1 lib/libradar.so lib/liborvane.so include/radar.h include/orvane.h bin/radarctl \
           lib/cmake/radar/radarConfig.cmake lib/cmake/radar/radarConfigVersion.cmake lib/pkgconfig/radar.pc \
           share/doc/radar/README.md share/doc/radar/api/index.html; do
    [ -e "$prefix/$f" ] || fail "the installed tree has no $f"
  done
  readelf -d "$prefix/lib/libradar.so.1" | grep -q 'SONAME.*\[libradar\.so\.1\]' || fail "libradar has no SONAME libradar.so.1"

  step "consumer with find_package against the installed tree"
  cmake -S tests/consumer -B "$work/c-cmake" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
  cmake --build "$work/c-cmake" >/dev/null
  run_consumer "$work/c-cmake/consumer" "$prefix/bin/radarctl" sim
  if cmake -S tests/consumer -B "$work/c-too-new" -DCMAKE_PREFIX_PATH="$prefix" -DRADAR_WANT=2.0 \
       >/dev/null 2>&1; then
    fail "find_package(radar 2.0) took version $version"
  fi

  step "consumer with pkg-config against the installed tree"
  local flags
  flags=$(PKG_CONFIG_PATH=$prefix/lib/pkgconfig pkg-config --cflags --libs radar)
  [ "$(PKG_CONFIG_PATH=$prefix/lib/pkgconfig pkg-config --modversion radar)" = "$version" ] ||
    fail "radar.pc gives another version"
  cc -std=c11 -Wall -Werror tests/consumer/consumer.c $flags -Wl,-rpath,"$prefix/lib" -o "$work/c-pc"
  run_consumer "$work/c-pc" "$prefix/bin/radarctl" sim

  step "consumer with find_package from the unpacked radar-$version-Linux.tar.gz"
  cpack_in build
  local tgz=$work/packages/radar-$version-Linux.tar.gz
  [ -f "$tgz" ] || fail "no $(basename "$tgz")"
  mkdir -p "$work/tgz" && tar -xzf "$tgz" -C "$work/tgz"
  local unpacked=$work/tgz/radar-$version-Linux
  cmake -S tests/consumer -B "$work/c-tgz" -DCMAKE_PREFIX_PATH="$unpacked" >/dev/null
  cmake --build "$work/c-tgz" >/dev/null
  run_consumer "$work/c-tgz/consumer" "$unpacked/bin/radarctl" sim
}

deb() {
  step "the Debian package, installed and removed"
  [ -f "$work/packages/radar_${version}_amd64.deb" ] || cpack_in build
  local package=$work/packages/radar_${version}_amd64.deb
  [ -f "$package" ] || fail "no $(basename "$package")"
  dpkg-deb -f "$package" Depends | grep -q libc6 || fail "the package declares no dependencies"
  dpkg -s radar >/dev/null 2>&1 && fail "a radar package is installed already"
  $SUDO dpkg -i "$package" >/dev/null
  local files
  files=$(dpkg -L radar)
  cc -std=c11 -Wall -Werror tests/consumer/consumer.c $(pkg-config --cflags --libs radar) -o "$work/c-deb"
  cmake -S tests/consumer -B "$work/c-deb-cmake" >/dev/null
  cmake --build "$work/c-deb-cmake" >/dev/null
  run_consumer "$work/c-deb" radarctl sim
  run_consumer "$work/c-deb-cmake/consumer" radarctl sim
  $SUDO dpkg --purge radar >/dev/null
  dpkg -s radar >/dev/null 2>&1 && fail "the package is still known to dpkg after its removal"
  for f in $files; do
    [ -f "$f" ] && fail "$f is left after removal"
  done
  return 0
}

# A DLL's version resource: its fixed file and product versions and its
# strings, one "key=value" a line.
version_resource() {
  wrestool -x --raw -t 16 "$1" | /usr/bin/python3 -c '
import re, struct, sys
data = sys.stdin.buffer.read()
fixed = data.find(struct.pack("<I", 0xFEEF04BD))
if fixed < 0:
    sys.exit("no fixed version")
fms, fls, pms, pls = struct.unpack_from("<4I", data, fixed + 8)
print("fixed-file=%d.%d.%d" % (fms >> 16, fms & 0xFFFF, fls >> 16))
print("fixed-product=%d.%d.%d" % (pms >> 16, pms & 0xFFFF, pls >> 16))
text = data.decode("utf-16-le", "replace")
for key in ("ProductName", "ProductVersion", "FileVersion", "FileDescription", "Comments"):
    found = re.search(key + "\0+([^\0]+)\0", text)
    if found:
        print("%s=%s" % (key, found.group(1)))
'
}

check_version_resources() {
  local dll
  for dll in "$1"/bin/radar.dll "$1"/bin/orvane.dll; do
    local text
    text=$(version_resource "$dll") || fail "no version resource in $dll"
    for want in "fixed-file=$version" "fixed-product=$version" "FileVersion=$version" \
                "ProductVersion=$version" "ProductName=radar" "FileDescription=..*" "Comments=.*$version_text"; do
      grep -qx -- "$want" <<<"$text" || fail "$(basename "$dll")'s version resource lacks $want: $text"
    done
  done
}

unpack_zip() {  # build folder, system name
  [ -f "$work/packages/radar-$version-$2.zip" ] || cpack_in "$1"
  local zip=$work/packages/radar-$version-$2.zip
  [ -f "$zip" ] || fail "no $(basename "$zip")"
  mkdir -p "$work/$2" && (cd "$work/$2" && cmake -E tar xf "$zip")
  sdk=$work/$2/radar-$version-$2
  for f in bin/radar.dll bin/orvane.dll bin/radarctl.exe lib/radar.lib lib/radar.def lib/orvane.lib \
           include/radar.h include/orvane.h doc/api/index.html README.txt; do
    [ -e "$sdk/$f" ] || fail "$(basename "$zip") has no $f"
  done
}

win64() {
  step "the win64 SDK: consumer cross-built and run under wine64, radarctl.exe demo"
  unpack_zip build-win64 win64
  check_version_resources "$sdk"
  x86_64-w64-mingw32-gcc -std=c11 -Wall -Werror -I "$sdk/include" tests/consumer/consumer.c \
    "$sdk/lib/radar.lib" "$sdk/lib/orvane.lib" -o "$sdk/bin/consumer.exe"
  run_consumer "timeout 60 $wine $sdk/bin/consumer.exe" "$wine" "$sdk/bin/radarctl.exe" sim
  local pictures=$work/win64-demo
  (cd "$sdk/bin" && timeout 120 "$wine" ./radarctl.exe demo --out "$pictures" >/dev/null) ||
    fail "radarctl.exe demo under wine64"
  for p in demo-live.png demo-playback.png; do
    [ "$(head -c 8 "$pictures/$p" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || fail "no picture $p"
  done
}

win32() {
  step "the win32 SDK: export table, import library, import table"
  unpack_zip build-win32 win32
  check_version_resources "$sdk"
  cmake -DLIBRARY="$sdk/bin/radar.dll" -DNETWORK="$sdk/bin/orvane.dll" -DLIST=cmake/radar_exports.txt \
        -DNETWORK_LIST=orvane/orvane_exports.txt -DOBJDUMP=i686-w64-mingw32-objdump -DDECORATED=TRUE \
        -P tests/check_dll_exports.cmake >/dev/null || fail "radar.dll's export table"
  i686-w64-mingw32-gcc -std=c11 -Wall -Werror -I "$sdk/include" tests/consumer/consumer.c \
    "$sdk/lib/radar.lib" "$sdk/lib/orvane.lib" -o "$work/consumer32.exe"
  # The names the program imports from radar.dll, each a decorated export.
  local imported
  imported=$(i686-w64-mingw32-objdump -p "$work/consumer32.exe" |
             awk '/DLL Name:/ {dll=$3} dll=="radar.dll" && $NF ~ /^_?Orvane/ {print $NF}')
  [ "$(wc -l <<<"$imported")" -ge 6 ] || fail "the program imports too little from radar.dll: $imported"
  local exported
  exported=$(awk '/^[A-Za-z]/ {printf "_%s@%d\n", $1, $2 * 4}' cmake/radar_exports.txt)
  while read -r name; do
    grep -qx -- "$name" <<<"$exported" || fail "the program imports $name, which radar.dll does not export"
  done <<<"$imported"
}

for part in "${parts[@]}"; do
  case $part in
    linux | deb | win64 | win32) "$part" ;;
    *) fail "no part $part" ;;
  esac
done
echo "package tests passed: ${parts[*]}"
