# The Windows SDK as a company receives it, checked from the unpacked zip.
# Sourced by tools/package_test.sh for each zip (its fail, step, run_consumer,
# start_station, stop_station, imports_from, $root, $work, $version, $wine):
#   . tools/package_test_windows.sh SYSTEM ZIP SDK     (SYSTEM win32 or win64)
#  - the import libraries: their members listed (each named by its DLL, no
#    path), each made again from the shipped .def by lld-link in another
#    folder, byte for byte; an object compiled for Microsoft's ABI (clang,
#    *-pc-windows-msvc, the SDK's headers) that takes the address of every
#    function the three .def files list, linked by lld-link against the three
#    .lib files (/safeseh on 32-bit) without a word of warning, imports
#    exactly names the DLLs export. It proves what Visual Studio's linker is
#    given links; no Windows SDK or C runtime is here, so it is not run.
#  - the version resources of every DLL and radarctl.exe, read from the
#    binaries: company and copyright as LICENSE's holder line, MIT, product
#    and file versions, the file's own name and type;
#  - every text file has CRLF line ends and names no path of the repository
#    (nor does radarctl --help); each file of the zip a text names, and each
#    link of the API reference, is there;
#  - tests/consumer and the zip's examples/ built with find_package(radar)
#    by MinGW (cross, the repository's toolchain files), the first also with
#    the .pc files; on win64 both run under Wine against radarctl.exe sim.
#    The other pointer size's build must not find the package;
#  - the symbols zip: listed, each binary's debuglink names its .debug file
#    with that file's CRC-32, the binary carries no DWARF of its own, and the
#    .debug file turns an exported function's address into its name.

windows_sdk() {
  local system=$1 zip=$2 sdk=$3
  local arch machine other triple bits
  if [ "$system" = win32 ]; then
    arch=i686 machine=x86 other=mingw-x86_64 triple=i686-pc-windows-msvc bits=32
  else
    arch=x86_64 machine=x64 other=mingw-i686 triple=x86_64-pc-windows-msvc bits=64
  fi
  local mingw=$arch-w64-mingw32 toolchain=$root/cmake/toolchains/mingw-$arch.cmake
  local scratch=$work/$system-sdk
  mkdir -p "$scratch"

  step "$system: import libraries, made again and linked by lld-link"
  local lib name members
  for lib in radar orvane radartrack; do
    members=$(llvm-ar-14 t "$sdk/lib/$lib.lib")
    echo "   $lib.lib: $(wc -l <<<"$members") members: $(sort -u <<<"$members" | tr '\n' ' ')"
    [ "$(sort -u <<<"$members")" = "$lib.dll" ] || fail "$lib.lib has members not named $lib.dll"
    lld-link-14 /nologo /machine:$machine /def:"$sdk/lib/$lib.def" /out:"$scratch/$lib.lib"
    cmp -s "$scratch/$lib.lib" "$sdk/lib/$lib.lib" || fail "$lib.lib is not what lld-link makes from $lib.def"
  done
  # Every .def line's function, by its name in the headers (whose
  # declarations give the decoration on 32-bit Windows).
  {
    echo '#include "radar_tracking.h"'
    echo '#include "orvane.h"'
    echo 'typedef void (*any)(void);'
    echo 'any const every[] = {'
    sed -n 's/^  _\{0,1\}\([A-Za-z0-9_]*\).*/  (any)\1,/p' "$sdk"/lib/{radar,orvane,radartrack}.def
    echo '};'
    echo 'int __cdecl start(void) { int n = 0; for (unsigned i = 0; i < sizeof every / sizeof *every; ++i) n += every[i] != 0; return n; }'
  } >"$scratch/every.c"
  clang-14 --target=$triple -ffreestanding -std=c99 -Wall -Wextra -Werror -I "$sdk/include" \
    -c "$scratch/every.c" -o "$scratch/every.obj" || fail "the headers under $triple"
  local safeseh="" said
  [ "$system" = win32 ] && safeseh=/safeseh
  said=$(lld-link-14 /nologo $safeseh /machine:$machine /subsystem:console /entry:start /nodefaultlib \
    "$scratch/every.obj" "$sdk"/lib/{radar,orvane,radartrack}.lib /out:"$scratch/every.exe" 2>&1) ||
    fail "lld-link $safeseh against the import libraries: $said"
  [ -z "$said" ] || fail "lld-link $safeseh warns: $said"
  local dll exported imported listed
  for dll in radar orvane radartrack; do
    exported=$($mingw-objdump -p "$sdk/bin/$dll.dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^.*\] \([^ ]*\)$/\1/p' | sort)
    imported=$(imports_from $mingw-objdump "$scratch/every.exe" $dll.dll | sort)
    listed=$(grep -c '^  ' "$sdk/lib/$dll.def")
    [ "$(wc -l <<<"$imported")" -eq "$listed" ] || fail "every.exe imports $(wc -l <<<"$imported") names from $dll.dll, not $listed"
    listed=$(comm -23 <(echo "$imported") <(echo "$exported"))
    [ -z "$listed" ] || fail "every.exe imports names $dll.dll does not export: $listed"
  done
  echo "   every.exe ($machine${safeseh:+, /safeseh}) imports all $(imports_from $mingw-objdump "$scratch/every.exe" radar.dll | wc -l) + $(imports_from $mingw-objdump "$scratch/every.exe" orvane.dll | wc -l) + $(imports_from $mingw-objdump "$scratch/every.exe" radartrack.dll | wc -l) exports"

  step "$system: version resources, line ends, repository paths"
  local file
  for file in "$sdk"/bin/{radar,orvane,radartrack}.dll "$sdk/bin/radarctl.exe"; do
    wrestool -x --raw -t 16 "$file" >"$scratch/version.bin" || fail "no version resource in $file"
    /usr/bin/python3 - "$scratch/version.bin" "$(basename "$file")" "$version" "$sdk/LICENSE" <<'EOF' || fail "$file"
import struct, sys
data, name, version = open(sys.argv[1], "rb").read(), sys.argv[2], sys.argv[3]
holder = next(l for l in open(sys.argv[4], encoding="utf-8").read().splitlines() if l.startswith("Copyright"))

def nodes(at, end):  # VS_VERSIONINFO's tree: (key, value bytes, children start, end)
    while at + 6 <= end:
        length, value_length, kind = struct.unpack_from("<3H", data, at)
        key_end = data.index(b"\0\0", at + 6)
        key_end += (key_end - at) % 2  # a UTF-16 NUL starts at an even offset from the node
        key = data[at + 6:key_end].decode("utf-16-le")
        value_at = (key_end + 2 + 3) & ~3
        size = value_length * (2 if kind == 1 else 1)
        yield key, data[value_at:value_at + size], (value_at + size + 3) & ~3, at + length
        at = (at + length + 3) & ~3

root = next(nodes(0, len(data)))
fixed = root[1]
assert struct.unpack_from("<I", fixed)[0] == 0xFEEF04BD, "no fixed version"
ms, ls, pms, pls = struct.unpack_from("<4I", fixed, 8)
file_type = struct.unpack_from("<I", fixed, 36)[0]  # dwFileType
strings = {}
for key, _, start, end in nodes(root[2], root[3]):
    if key == "StringFileInfo":
        for _, _, t_start, t_end in nodes(start, end):
            for k, v, _, _ in nodes(t_start, t_end):
                strings[k] = v.decode("utf-16-le").rstrip("\0")
want = {"CompanyName": holder.split(" ", 3)[3], "ProductName": "radar", "ProductVersion": version,
        "FileVersion": version, "OriginalFilename": name}
wrong = [k for k, v in want.items() if strings.get(k) != v]
if not strings.get("LegalCopyright", "").startswith(holder) or "MIT" not in strings["LegalCopyright"]:
    wrong.append("LegalCopyright")
if "%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16) != version or "%d.%d.%d" % (pms >> 16, pms & 0xFFFF, pls >> 16) != version:
    wrong.append("fixed versions")
if file_type != (1 if name.endswith(".exe") else 2):  # VFT_APP, VFT_DLL
    wrong.append("file type %d" % file_type)
if wrong:
    sys.exit("version resource: %s wrong in %s" % (", ".join(wrong), strings))
print("   %s: %s, %s, %s %s" % (name, strings["CompanyName"], strings["LegalCopyright"], strings["ProductName"], strings["FileVersion"]))
EOF
  done

  # Paths the repository has and the zip has not, and build folders.
  (cd "$sdk" && find . -type f | sed 's|^\./||') >"$scratch/zip-files"
  git -C "$root" ls-files | grep / | grep -vxFf "$scratch/zip-files" >"$scratch/repo-paths"
  local help=""
  [ "$system" = win64 ] && help=$(cd "$sdk/bin" && for c in "" demo sim track render info cpa serve; do
    timeout 60 "$wine" ./radarctl.exe $c --help; done 2>&1)
  /usr/bin/python3 - "$sdk" "$scratch/repo-paths" "$help" <<'EOF' || fail "the $system SDK's text"
import os, re, sys
sdk, paths, help_text = sys.argv[1], open(sys.argv[2]).read().split(), sys.argv[3]
named = re.compile("|".join(map(re.escape, paths)) + r"|(?<![\w.-])build(-\w+)?/(bin|lib|docs|tests)/")
# A file of the zip named in its text (bin\\radarctl stands for bin\\radarctl.exe; a .debug file
# is the symbols zip's), and a link of the reference (href, src) to another of its files.
in_zip = re.compile(r"(?<![\w.-])((?:bin|lib|include|examples|doc|bindings)[\\/][\w.\\/-]*)")
linked = re.compile(r'(?:href|src)="(?![a-z]+:|#)([^"#?]+)')
faults, texts = [], 0
def check(where, text):
    found = named.search(text.replace("\\", "/"))
    if found:
        faults.append("%s names %s" % (where, found.group(0)))
    for path in in_zip.findall(text) if where.endswith(".txt") or where == "radarctl --help" else []:
        path = path.replace("\\", "/").rstrip("./")
        if not path.endswith(".debug") and not any(os.path.exists(os.path.join(sdk, path + end)) for end in ("", ".exe")):
            faults.append("%s names %s, which the zip has not" % (where, path))
    if where.endswith(".html"):
        for target in linked.findall(text):
            if not os.path.exists(os.path.join(sdk, os.path.dirname(where), target)):
                faults.append("%s links to %s, which the zip has not" % (where, target))
for folder, _, files in os.walk(sdk):
    for name in files:
        data = open(os.path.join(folder, name), "rb").read()
        try:
            text = data.decode("utf-8")
        except UnicodeDecodeError:
            continue
        if "\0" in text:
            continue
        texts += 1
        where = os.path.relpath(os.path.join(folder, name), sdk)
        if text.count("\n") != text.count("\r\n"):
            faults.append("%s has line ends without CR" % where)
        check(where, text)
check("radarctl --help", help_text)
if faults:
    sys.exit("\n".join(faults[:20]))
print("   %d text files: CRLF, no repository path, every file named and linked there%s" % (texts, "; radarctl --help neither" if help_text else ""))
EOF

  step "$system: MinGW consumers with find_package and pkg-config"
  cmake -S tests/consumer -B "$scratch/consumer" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_PREFIX_PATH="$sdk" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null || fail "find_package(radar) in the $system SDK"
  cmake --build "$scratch/consumer" >/dev/null || fail "the consumers with find_package against the $system SDK"
  cmake -S "$sdk/examples" -B "$scratch/example" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_PREFIX_PATH="$sdk" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null || fail "the $system SDK's example project"
  cmake --build "$scratch/example" >/dev/null || fail "the $system SDK's example"
  for dll in radar.dll orvane.dll; do
    cmp -s "$scratch/example/$dll" "$sdk/bin/$dll" || fail "the example's build did not copy $dll beside it"
  done
  local flags
  flags=$(PKG_CONFIG_PATH=$sdk/lib/pkgconfig pkg-config --cflags --libs radar) || fail "radar.pc"
  $mingw-gcc -std=c11 -Wall -Werror tests/consumer/consumer.c $flags -o "$scratch/consumer-pc.exe" ||
    fail "the consumer with pkg-config's flags: $flags"
  said=$(cmake -S tests/consumer -B "$scratch/other" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/$other.cmake" \
         -DCMAKE_PREFIX_PATH="$sdk" 2>&1) && fail "a build for the other pointer size took the $bits-bit SDK's package"
  grep -q "(${bits}bit)" <<<"$said" || fail "a build for the other pointer size: $said"
  if [ "$system" = win64 ]; then
    cp "$sdk"/bin/*.dll "$scratch/consumer/"
    run_consumer "timeout 60 $wine $scratch/consumer/consumer.exe" "$wine" "$sdk/bin/radarctl.exe" sim
    timeout 60 "$wine" "$scratch/consumer/tracking_consumer.exe" || fail "the find_package tracking consumer"
    start_station "$wine" "$sdk/bin/radarctl.exe" sim
    (cd "$scratch/example" && timeout 60 "$wine" ./session.exe "$station_port") || fail "the example session.exe"
    stop_station
  fi

  step "$system: the symbols zip"
  local symbols=${zip%.zip}-symbols.zip top
  top=$(basename "${zip%.zip}")
  [ -f "$symbols" ] || fail "no $(basename "$symbols") beside the zip"
  unzip -l "$symbols" | sed -n 's/^ *\([0-9]*\) .* \(.*\.debug\)$/   \2 (\1 bytes)/p'
  (cd "$work/$system" && cmake -E tar xf "$symbols")
  local dump
  for file in radar.dll orvane.dll radartrack.dll radarctl.exe; do
    [ -f "$sdk/bin/$file.debug" ] || fail "$(basename "$symbols") has no $top/bin/$file.debug"
    dump=$($mingw-objdump -h "$sdk/bin/$file")
    ! grep -q '\.debug_info' <<<"$dump" || fail "the shipped $file carries its DWARF"
    $mingw-objcopy --dump-section .gnu_debuglink="$scratch/link" "$sdk/bin/$file" "$scratch/dumped" ||
      fail "$file has no debuglink"
    /usr/bin/python3 -c '
import struct, sys, zlib
link = open(sys.argv[1], "rb").read()
end = link.index(b"\0")
name = link[:end].decode()
crc = struct.unpack_from("<I", link, (end + 4) & ~3)[0]  # after the name, its NUL and padding to 4
if name != sys.argv[2] or crc != zlib.crc32(open(sys.argv[3], "rb").read()):
    sys.exit("%s: debuglink names %s, CRC %08x" % (sys.argv[2], name, crc))' \
      "$scratch/link" "$file.debug" "$sdk/bin/$file.debug" || fail "$file's debuglink"
  done
  # An exported function's address (image base + its export table entry)
  # read in the .debug file gives the function's name back.
  local index rva base found
  for pair in radar.dll:OrvaneGetRadarGain orvane.dll:SetRadarSource radartrack.dll:radartrack_create; do
    file=${pair%%:*} name=${pair#*:}
    dump=$($mingw-objdump -p "$sdk/bin/$file")
    base=$(sed -n 's/^ImageBase\s*\([0-9a-f]*\)$/\1/p' <<<"$dump")
    index=$(sed -n "s/^\s*\[ *\([0-9]*\)\] _\{0,1\}$name\(@[0-9]*\)\{0,1\}\$/\1/p" <<<"$dump")
    rva=$(sed -n "s/^\s*\[ *$index\] +base\[ *[0-9]*\] \([0-9a-f]*\) Export RVA\$/\1/p" <<<"$dump")
    [ -n "$base" ] && [ -n "$index" ] && [ -n "$rva" ] || fail "no export $name in $file"
    found=$($mingw-addr2line -f -e "$sdk/bin/$file.debug" "$(printf '0x%x' $((0x$base + 0x$rva)))" | sed -n 1p)
    [[ $found == "$name" || $found == "$name"@* ]] || fail "$file.debug names ${found:-nothing} at $name's address"
  done
  echo "   debuglinks and CRCs match; the .debug files name the exported functions"
}

windows_sdk "$@"
