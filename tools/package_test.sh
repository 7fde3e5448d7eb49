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
#          each run. find_package of 2.0 must fail. The bindings' examples
#          from the tarball: the C# one built with Mono, the Python package
#          installed with pip into a fresh virtual environment; each run
#          against the tarball's radarctl sim. The tarball's (stripped)
#          libraries against the ABI baselines (abidiff).
#   deb    the Debian packages libradar1, libradartrack1, libradar-dev,
#          libradartrack-dev and radar-tools (<name>_<version>-<revision>_<arch>.deb):
#          their listings (dpkg-deb -c) checked, lintian without a tag that is
#          not overridden, all installed with dpkg (the ldconfig trigger fills
#          the loader's cache); both consumers built against the system's copy
#          with pkg-config and find_package and run, and the dependencies
#          dpkg-shlibdeps gives such a program checked; the C# and Python
#          examples from /usr/share/radar run; the installed libraries
#          against the ABI baselines; the packages purged, nothing left.
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
installed_debs=""
cleanup() {
  [ -z "$station_pid" ] || kill "$station_pid" 2>/dev/null || true
  # The Debian packages leave the system as they found it, failed or not.
  [ -z "$installed_debs" ] || $SUDO dpkg --purge "${deb_packages[@]}" >/dev/null 2>&1 || true
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

# The bindings' examples, each against a station: the C# one built with Mono
# from <folder>/csharp, the Python one with the python3 given (an
# environment the package is installed in, or one told where it lies).
run_binding_examples() {  # folder, radarctl, python3 [environment ...]
  local share=$1 radarctl=$2; shift 2
  mcs -nologo -warnaserror+ -out:"$work/Example.exe" "$share/csharp/Radar.cs" "$share/csharp/Example.cs" \
    >"$work/mcs.log" 2>&1 || { cat "$work/mcs.log" >&2; fail "the C# example from $share/csharp does not build"; }
  run_consumer "mono $work/Example.exe" "$radarctl" sim
  # Run from elsewhere, so that the package the python3 finds is the one meant.
  cp "$share/python/example.py" "$work/example.py"
  start_station "$radarctl" sim
  env "${@:2}" timeout 60 "$1" "$work/example.py" --port "$station_port" >"$work/example.log" 2>&1 ||
    { cat "$work/example.log" >&2; fail "the Python example with $*"; }
  tail -n 2 "$work/example.log"
  stop_station
}

# The shipped libraries against the committed ABI baselines: stripped, they
# still show every export of the baseline, under its version, and their SONAMEs.
check_abi() {  # folder of the libraries
  local library
  for library in libradar.so.1 libradartrack.so.1; do
    abidiff "abi/$library.xml" "$1/$library" >"$work/abidiff.log" 2>&1 ||
      { cat "$work/abidiff.log" >&2; fail "abidiff: $1/$library against abi/$library.xml"; }
  done
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
  tar -tzf "$tgz" | grep -E '/share/(lintian|doc/lib)' && fail "the tarball holds the Debian packages' own files"
  mkdir -p "$work/tgz" && tar -xzf "$tgz" -C "$work/tgz"
  local unpacked=$work/tgz/radar-$version-Linux
  cmake -S tests/consumer -B "$work/c-tgz" -DCMAKE_PREFIX_PATH="$unpacked" >/dev/null
  cmake --build "$work/c-tgz" >/dev/null
  run_consumer "$work/c-tgz/consumer" "$unpacked/bin/radarctl" sim
  "$work/c-tgz/tracking_consumer" || fail "the tracking consumer (find_package) from the tarball"

  step "the C# example and the Python package (pip) from the tarball"
  /usr/bin/python3 -m venv --system-site-packages "$work/venv"
  "$work/venv/bin/pip" install -q --no-index --no-build-isolation "$unpacked/share/radar/python" >"$work/pip.log" 2>&1 ||
    { cat "$work/pip.log" >&2; fail "pip install of the tarball's Python package"; }
  LD_LIBRARY_PATH=$unpacked/lib run_binding_examples "$unpacked/share/radar" "$unpacked/bin/radarctl" "$work/venv/bin/python3"
  check_abi "$unpacked/lib"
}

deb() {
  step "the Debian packages: listings, lintian, installed, used and removed"
  local revision arch
  revision=$(sed -n '1s/^radar ([0-9.]*-\([0-9]*\)) .*/\1/p' cmake/package/debian/changelog)
  arch=$(dpkg --print-architecture)
  [ -f "$work/packages/libradar1_${version}-${revision}_${arch}.deb" ] || cpack_in "$build"
  local -A deb
  local p patterns
  for p in "${deb_packages[@]}"; do
    deb[$p]=$work/packages/${p}_${version}-${revision}_${arch}.deb
    [ -f "${deb[$p]}" ] || fail "no $(basename "${deb[$p]}")"
    read -d '' -ra patterns <<<"${deb_files[$p]}" || true
    listing_has "$p" "$(dpkg-deb -c "${deb[$p]}")" "\./usr/share/doc/$p/copyright" \
      "\./usr/share/doc/$p/changelog\.Debian\.gz" "${patterns[@]/#/\./usr/}"
  done
  # The runtimes hold no development link: liborvane.so is the name the radar
  # library loads.
  { dpkg-deb -c "${deb[libradar1]}" && dpkg-deb -c "${deb[libradartrack1]}"; } |
    grep -Ev '/liborvane\.so$' | grep -E '\.so$' && fail "a runtime package holds a development link"
  # lintian: an error or a warning fails; what it says at the level below is
  # shown. Each tag that stays is overridden in its package with the reason
  # beside it (cmake/package/debian/*.lintian-overrides).
  local tags
  tags=$(lintian --fail-on error,warning --display-info "${deb[@]}" 2>&1) || {
    echo "$tags" >&2
    fail "lintian"
  }
  grep -v '^running with root privileges' <<<"$tags" || true

  for p in "${deb_packages[@]}" radar; do
    dpkg -s "$p" >/dev/null 2>&1 && fail "a package $p is installed already"
  done
  $SUDO dpkg -i "${deb[@]}" >/dev/null
  installed_debs=1
  local files=""
  for p in "${deb_packages[@]}"; do
    files+=$(dpkg -L "$p")$'\n'
  done
  # libc's ldconfig trigger has put the libraries in the loader's cache.
  local cache
  cache=$(ldconfig -p)
  for p in libradar.so.1 libradartrack.so.1 liborvane.so; do
    grep -q "^\s$p " <<<"$cache" || fail "$p is not in the dynamic loader's cache after installing"
  done
  # Hardening (lintian only guesses at some of it): stack protector,
  # relocations read-only and bound at load, radarctl position-independent.
  local f
  for f in /usr/bin/radarctl $(grep -E '/(libradar\.so\.1|libradartrack\.so\.1|liborvane\.so)$' <<<"$files"); do
    grep -q __stack_chk_fail <<<"$(readelf --dyn-syms -W "$f")" || fail "$f is built without the stack protector"
    grep -q GNU_RELRO <<<"$(readelf -lW "$f")" || fail "$f has no read-only relocations"
    grep -Eq 'BIND_NOW|FLAGS_1.* NOW' <<<"$(readelf -dW "$f")" || fail "$f does not bind at load (-z now)"
  done
  grep -q 'Type:.*DYN' <<<"$(readelf -hW /usr/bin/radarctl)" || fail "radarctl is not position-independent"
  # pkg-config names the system's folders, which it leaves out.
  local flags
  flags=$(pkg-config --cflags --libs radartrack)
  [ "$(echo $flags)" = "-lradartrack -lradar -lorvane" ] || fail "radartrack.pc gives $flags"
  cc -std=c11 -Wall -Werror tests/consumer/consumer.c $(pkg-config --cflags --libs radar) -o "$work/c-deb"
  cc -std=c11 -Wall -Werror tests/consumer/tracking_consumer.c $(pkg-config --cflags --libs radartrack) -lm \
    -o "$work/t-deb"
  cmake -S tests/consumer -B "$work/c-deb-cmake" >/dev/null
  cmake --build "$work/c-deb-cmake" >/dev/null
  run_consumer "$work/c-deb" radarctl sim
  run_consumer "$work/c-deb-cmake/consumer" radarctl sim
  "$work/t-deb" || fail "the tracking consumer (pkg-config) against the system's copy"
  "$work/c-deb-cmake/tracking_consumer" || fail "the tracking consumer (find_package) against the system's copy"
  run_binding_examples /usr/share/radar radarctl /usr/bin/python3 PYTHONPATH=/usr/share/radar/python
  check_abi "$(dirname "$(grep -m1 '/libradar\.so\.1$' <<<"$files")")"
  # A Debian package of such a program depends on any 1.x from this minor
  # version on, as dpkg-shlibdeps reads it from the packages' shlibs.
  mkdir -p "$work/app/debian" && : >"$work/app/debian/control"
  local depends
  depends=$(cd "$work/app" && dpkg-shlibdeps -O "$work/t-deb" 2>&1) || fail "dpkg-shlibdeps: $depends"
  for p in "libradar1 (>= ${version%.*})" "libradartrack1 (>= ${version%.*})"; do
    grep -qF "$p" <<<"$depends" || fail "a program built against the packages gets $depends, not $p"
  done
  man -w radarctl >/dev/null 2>&1 || fail "no manual page for radarctl"

  $SUDO dpkg --purge "${deb_packages[@]}" >/dev/null
  installed_debs=""
  for p in "${deb_packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 && fail "$p is still known to dpkg after its removal"
  done
  grep -q libradar <<<"$(ldconfig -p)" && fail "the dynamic loader's cache still has the libraries after their removal"
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
  . tools/package_test_windows.sh "$2" "$zip" "$sdk"  # what a company receives: libraries, resources, text, symbols
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
             lib/cmake/radar/radarTargets.cmake lib/cmake/radar/radarTrackingTargets.cmake lib/pkgconfig/radar.pc lib/pkgconfig/radartrack.pc
             share/doc/radar/README.md share/doc/radar/LICENSE share/doc/radar/api/index.html
             share/radar/csharp/Radar.cs share/radar/csharp/Example.cs share/radar/python/pyproject.toml
             share/radar/python/example.py share/radar/python/radar/__init__.py)
windows_files=(bin/radar.dll bin/orvane.dll bin/radartrack.dll bin/radarctl.exe lib/radar.lib lib/radar.def
               lib/orvane.lib lib/radartrack.lib include/radar.h include/radar_tracking.h include/orvane.h
               doc/api/index.html README.txt bindings/csharp/Radar.cs bindings/csharp/Example.cs
               bindings/python/pyproject.toml bindings/python/example.py bindings/python/radar/__init__.py)
# Each Debian package's own files (extended regular expressions under /usr),
# beside its copyright and changelog.
deb_packages=(libradar1 libradartrack1 libradar-dev libradartrack-dev radar-tools)
declare -A deb_files=(
  [libradar1]="(.+/)?libradar\.so\.1 (.+/)?libradar\.so\.1\.[0-9.]+ (.+/)?liborvane\.so"
  [libradartrack1]="(.+/)?libradartrack\.so\.1 (.+/)?libradartrack\.so\.1\.[0-9.]+"
  [libradar-dev]="include/radar\.h include/orvane\.h (.+/)?libradar\.so (.+/)?pkgconfig/radar\.pc
                  (.+/)?cmake/radar/radarConfig\.cmake (.+/)?cmake/radar/radarTargets\.cmake
                  share/doc/libradar-dev/README\.md share/doc/libradar-dev/api/index\.html
                  share/radar/csharp/Radar\.cs share/radar/python/radar/__init__\.py"
  [libradartrack-dev]="include/radar_tracking\.h (.+/)?libradartrack\.so (.+/)?pkgconfig/radartrack\.pc
                       (.+/)?cmake/radar/radarTrackingTargets\.cmake"
  [radar-tools]="bin/radarctl share/man/man1/radarctl\.1\.gz"
)

for part in "${parts[@]}"; do
  case $part in
    linux | deb | win64 | win32) "$part" ;;
    *) fail "no part $part" ;;
  esac
done
echo "package tests passed: ${parts[*]}"
