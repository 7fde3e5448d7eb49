#!/usr/bin/env bash
# What a team that takes the libraries gets, checked as they would use them.
# Two consumers (tests/consumer): consumer (the radar library, run against a
# radarctl sim station) and tracking_consumer (the tracking library, fed lines
# it draws itself). From the build folders tools/test.sh leaves (build,
# build-win32, build-win64; RADAR_BUILD, RADAR_BUILD_WIN32 and
# RADAR_BUILD_WIN64 name others):
#   linux  cmake --install into a fresh prefix; both consumers built with
#          find_package (radar::radar, radar::tracking) and with pkg-config
#          (radar, radartrack) against it, and with find_package from the
#          unpacked radar-<version>-Linux.tar.gz, whose listing is checked;
#          each run. find_package of 2.0 must fail.
#   deb    radar_<version>_amd64.deb: its listing (dpkg-deb -c) checked, the
#          package installed with dpkg, both consumers built against the
#          system's copy and run, the package removed (purged), nothing left.
#   win64  radar-<version>-win64.zip: its listing (unzip -l) checked, then
#          unpacked; both consumers cross-built against its import libraries
#          and run under wine64; radarctl.exe demo writes its pictures.
#   win32  radar-<version>-win32.zip: its listing checked; radar.dll's export
#          table is the 244 decorated names, radartrack.dll's the plain names
#          of radar_tracking.h; both consumers link against the import
#          libraries and import only names those DLLs export.
#   Both zips: the DLLs' version resources carry the version.
# Usage: tools/package_test.sh [linux] [deb] [win64] [win32]   (default: all)
# The consumer takes UDP port 10024: nothing else may hold it meanwhile.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${RADAR_BUILD:-build}
build_win32=${RADAR_BUILD_WIN32:-build-win32}
build_win64=${RADAR_BUILD_WIN64:-build-win64}
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

# Fails unless every pattern (an extended regular expression for one whole
# path, a link's name for a link) matches a line of the listing given second;
# listing_has_files takes plain paths.
listing_has() {
  local what=$1 listing=$2; shift 2
  local pattern
  for pattern in "$@"; do
    grep -Eq -- "(^|[ ])${pattern}( -> [^ ]+)?\$" <<<"$listing" || fail "$what has no $pattern"
  done
}
listing_has_files() {
  local what=$1 listing=$2; shift 2
  listing_has "$what" "$listing" "${@//./\\.}"
}

cpack_in() {
  (cd "$1" && cpack -B "$work/packages" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack in $1"; }
}

linux() {
  step "install into a fresh prefix"
  local prefix=$work/prefix
  cmake --install "$build" --prefix "$prefix" >/dev/null
  for f in "${linux_files[@]}"; do
    [ -e "$prefix/$f" ] || fail "the installed tree has no $f"
  done
  readelf -d "$prefix/lib/libradar.so.1" | grep -q 'SONAME.*\[libradar\.so\.1\]' || fail "libradar has no SONAME libradar.so.1"
  readelf -d "$prefix/lib/libradartrack.so.1" | grep -q 'SONAME.*\[libradartrack\.so\.1\]' ||
    fail "libradartrack has no SONAME libradartrack.so.1"

  step "consumer with find_package against the installed tree"
  cmake -S tests/consumer -B "$work/c-cmake" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
  cmake --build "$work/c-cmake" >/dev/null
  run_consumer "$work/c-cmake/consumer" "$prefix/bin/radarctl" sim
  "$work/c-cmake/tracking_consumer" || fail "the tracking consumer (find_package) against the installed tree"
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
  [ "$(PKG_CONFIG_PATH=$prefix/lib/pkgconfig pkg-config --modversion radartrack)" = "$version" ] ||
    fail "radartrack.pc gives another version"
  flags=$(PKG_CONFIG_PATH=$prefix/lib/pkgconfig pkg-config --cflags --libs radartrack)
  grep -q -- "-lradar\b" <<<"$flags" || fail "radartrack.pc does not bring the radar library: $flags"
  cc -std=c11 -Wall -Werror tests/consumer/tracking_consumer.c $flags -lm -Wl,-rpath,"$prefix/lib" -o "$work/t-pc"
  "$work/t-pc" || fail "the tracking consumer (pkg-config) against the installed tree"

  step "consumer with find_package from the unpacked radar-$version-Linux.tar.gz"
  cpack_in "$build"
  local tgz=$work/packages/radar-$version-Linux.tar.gz
  [ -f "$tgz" ] || fail "no $(basename "$tgz")"
  listing_has_files "$(basename "$tgz")" "$(tar -tzf "$tgz")" "${linux_files[@]/#/radar-$version-Linux/}"
  mkdir -p "$work/tgz" && tar -xzf "$tgz" -C "$work/tgz"
  local unpacked=$work/tgz/radar-$version-Linux
  cmake -S tests/consumer -B "$work/c-tgz" -DCMAKE_PREFIX_PATH="$unpacked" >/dev/null
  cmake --build "$work/c-tgz" >/dev/null
  run_consumer "$work/c-tgz/consumer" "$unpacked/bin/radarctl" sim
  "$work/c-tgz/tracking_consumer" || fail "the tracking consumer (find_package) from the tarball"
}

deb() {
  step "the Debian package, installed and removed"
  [ -f "$work/packages/radar_${version}_amd64.deb" ] || cpack_in "$build"
  local package=$work/packages/radar_${version}_amd64.deb
  [ -f "$package" ] || fail "no $(basename "$package")"
  # The tree under /usr, wherever the library folder lies there.
  listing_has "$(basename "$package")" "$(dpkg-deb -c "$package")" \
    "${deb_files[@]/#/\./usr/}" "\./usr/(.+/)?pkgconfig/radartrack\.pc" "\./usr/(.+/)?cmake/radar/radarTargets\.cmake"
  dpkg-deb -f "$package" Depends | grep -q libc6 || fail "the package declares no dependencies"
  dpkg -s radar >/dev/null 2>&1 && fail "a radar package is installed already"
  $SUDO dpkg -i "$package" >/dev/null
  local files
  files=$(dpkg -L radar)
  cc -std=c11 -Wall -Werror tests/consumer/consumer.c $(pkg-config --cflags --libs radar) -o "$work/c-deb"
  cc -std=c11 -Wall -Werror tests/consumer/tracking_consumer.c $(pkg-config --cflags --libs radartrack) -lm \
    -o "$work/t-deb"
  cmake -S tests/consumer -B "$work/c-deb-cmake" >/dev/null
  cmake --build "$work/c-deb-cmake" >/dev/null
  run_consumer "$work/c-deb" radarctl sim
  run_consumer "$work/c-deb-cmake/consumer" radarctl sim
  "$work/t-deb" || fail "the tracking consumer (pkg-config) against the system's copy"
  "$work/c-deb-cmake/tracking_consumer" || fail "the tracking consumer (find_package) against the system's copy"
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
  for dll in "$1"/bin/radar.dll "$1"/bin/orvane.dll "$1"/bin/radartrack.dll; do
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
  listing_has_files "$(basename "$zip")" "$(unzip -l "$zip")" "${windows_files[@]/#/radar-$version-$2/}"
  mkdir -p "$work/$2" && (cd "$work/$2" && cmake -E tar xf "$zip")
  sdk=$work/$2/radar-$version-$2
}

# What a program imports from a DLL (objdump -p of the program): the names.
imports_from() {  # objdump, program, DLL
  "$1" -p "$2" | awk -v dll="$3" '/DLL Name:/ {in_dll = ($3 == dll); next} /^[ \t]*$/ {in_dll = 0}
                                in_dll && NF == 3 && $1 ~ /^[0-9a-f]+$/ {print $NF}'
}

win64() {
  step "the win64 SDK: consumer cross-built and run under wine64, radarctl.exe demo"
  unpack_zip "$build_win64" win64
  check_version_resources "$sdk"
  x86_64-w64-mingw32-gcc -std=c11 -Wall -Werror -I "$sdk/include" tests/consumer/consumer.c \
    "$sdk/lib/radar.lib" "$sdk/lib/orvane.lib" -o "$sdk/bin/consumer.exe"
  run_consumer "timeout 60 $wine $sdk/bin/consumer.exe" "$wine" "$sdk/bin/radarctl.exe" sim
  x86_64-w64-mingw32-gcc -std=c11 -Wall -Werror -I "$sdk/include" tests/consumer/tracking_consumer.c \
    "$sdk/lib/radartrack.lib" "$sdk/lib/radar.lib" -o "$sdk/bin/tracking_consumer.exe"
  timeout 60 "$wine" "$sdk/bin/tracking_consumer.exe" || fail "the tracking consumer under wine64"
  local pictures=$work/win64-demo
  (cd "$sdk/bin" && timeout 120 "$wine" ./radarctl.exe demo --out "$pictures" >/dev/null) ||
    fail "radarctl.exe demo under wine64"
  for p in demo-live.png demo-playback.png; do
    [ "$(head -c 8 "$pictures/$p" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || fail "no picture $p"
  done
}

win32() {
  step "the win32 SDK: export table, import library, import table"
  unpack_zip "$build_win32" win32
  check_version_resources "$sdk"
  local objdump=i686-w64-mingw32-objdump
  cmake -DLIBRARY="$sdk/bin/radar.dll" -DNETWORK="$sdk/bin/orvane.dll" -DLIST=cmake/radar_exports.txt \
        -DNETWORK_LIST=orvane/orvane_exports.txt -DOBJDUMP=$objdump -DDECORATED=TRUE \
        -P tests/check_dll_exports.cmake >/dev/null || fail "radar.dll's export table"
  cmake -DLIBRARY="$sdk/bin/radartrack.dll" -DHEADER="$sdk/include/radar_tracking.h" -DOBJDUMP=$objdump \
        -DRADAR_LIST=cmake/radar_exports.txt -DDECORATED=TRUE \
        -P tests/check_tracking_exports.cmake >/dev/null || fail "radartrack.dll's export table"
  i686-w64-mingw32-gcc -std=c11 -Wall -Werror -I "$sdk/include" tests/consumer/consumer.c \
    "$sdk/lib/radar.lib" "$sdk/lib/orvane.lib" -o "$work/consumer32.exe"
  i686-w64-mingw32-gcc -std=c11 -Wall -Werror -I "$sdk/include" tests/consumer/tracking_consumer.c \
    "$sdk/lib/radartrack.lib" "$sdk/lib/radar.lib" -o "$work/tracking_consumer32.exe"
  # The names the programs import from radar.dll, each a decorated export,
  # and from radartrack.dll, each a plain one.
  local radar_exported track_exported imported
  radar_exported=$(awk '/^[A-Za-z]/ {printf "_%s@%d\n", $1, $2 * 4}' cmake/radar_exports.txt)
  track_exported=$($objdump -p "$sdk/bin/radartrack.dll" |
                   sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^.*\] \(radartrack_[a-z_]*\)$/\1/p')
  imported=$(imports_from $objdump "$work/consumer32.exe" radar.dll)
  [ "$(wc -l <<<"$imported")" -ge 6 ] || fail "the consumer imports too little from radar.dll: $imported"
  imported+=$'\n'$(imports_from $objdump "$work/tracking_consumer32.exe" radar.dll)
  while read -r name; do
    grep -qx -- "$name" <<<"$radar_exported" || fail "a consumer imports $name, which radar.dll does not export"
  done <<<"$imported"
  imported=$(imports_from $objdump "$work/tracking_consumer32.exe" radartrack.dll)
  [ "$(wc -l <<<"$imported")" -ge 8 ] || fail "the tracking consumer imports too little from radartrack.dll: $imported"
  while read -r name; do
    grep -qx -- "$name" <<<"$track_exported" || fail "the tracking consumer imports $name, which radartrack.dll does not export"
  done <<<"$imported"
}

# What each package holds, beside the rest.
linux_files=(lib/libradar.so.1 lib/libradar.so lib/liborvane.so lib/libradartrack.so.1 lib/libradartrack.so
             include/radar.h include/radar_tracking.h include/orvane.h bin/radarctl
             lib/cmake/radar/radarConfig.cmake lib/cmake/radar/radarConfigVersion.cmake
             lib/cmake/radar/radarTargets.cmake lib/pkgconfig/radar.pc lib/pkgconfig/radartrack.pc
             share/doc/radar/README.md share/doc/radar/api/index.html)
deb_files=("(.+/)?libradar\\.so\\.1" "(.+/)?libradartrack\\.so\\.1" "(.+/)?libradartrack\\.so"
           include/radar_tracking\\.h include/radar\\.h bin/radarctl)
windows_files=(bin/radar.dll bin/orvane.dll bin/radartrack.dll bin/radarctl.exe lib/radar.lib lib/radar.def
               lib/orvane.lib lib/radartrack.lib include/radar.h include/radar_tracking.h include/orvane.h
               doc/api/index.html README.txt)

for part in "${parts[@]}"; do
  case $part in
    linux | deb | win64 | win32) "$part" ;;
    *) fail "no part $part" ;;
  esac
done
echo "package tests passed: ${parts[*]}"
