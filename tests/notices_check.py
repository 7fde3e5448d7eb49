#!/usr/bin/python3
"""Fails when a shipped binary links or embeds a library THIRD-PARTY-NOTICES.txt does not name.

What is carried is read from the build, not from the notices:
  - the libraries each shipped ELF file needs (objdump -p: NEEDED) and the DLLs each
    shipped Windows file imports (objdump -p: DLL Name);
  - a Windows build's runtime: mingw-w64's start-up code is in every program and DLL,
    and with -static libstdc++, libgcc and winpthreads are in them too;
  - the third-party headers the shipped code includes (header-only libraries, and the
    header of anything linked statically, leave no other trace).
Each must be the system's, ours, or a component with a "Component: <name>" section.

  notices_check.py --notices FILE --source DIR --build DIR --objdump TOOL
                   [--static-runtime] BINARY...
"""
import argparse
import os
import re
import subprocess
import sys

# Component -> what shows it is carried: a header path (or its first folder, ending
# in "/"), a library or DLL name (prefix, case ignored), or a Windows runtime.
COMPONENTS = {
    "Boost": {"includes": ["boost/"]},
    # Beast's WebSocket deflate is its own port of zlib; a linked zlib counts too.
    "zlib": {"includes": ["boost/beast/", "zlib.h"], "libraries": ["libz.so", "zlib1.dll", "libzlib"]},
    "nlohmann-json": {"includes": ["nlohmann/"]},
    "stb_image_write": {"includes": ["stb_image_write.h", "stb/"]},
    "GCC runtime": {"libraries": ["libstdc++-", "libgcc_s_"], "runtime": ["the static runtime"]},
    "winpthreads": {"libraries": ["libwinpthread-"], "runtime": ["the static runtime"]},
    "mingw-w64 runtime": {"runtime": ["mingw-w64's start-up code"]},
}

# Loaded from the system, never shipped: the C and C++ runtimes of a Linux system ...
SYSTEM_ELF = re.compile(r"^(libc|libm|libdl|libpthread|librt|libstdc\+\+|libgcc_s)\.so\.\d+$|^ld-linux[-\w.]*\.so\.\d+$")
# ... and Windows' own DLLs.
SYSTEM_DLL = re.compile(
    r"^(kernel32|user32|advapi32|shell32|ole32|oleaut32|ws2_32|mswsock|iphlpapi|bcrypt|crypt32|"
    r"msvcrt|ucrtbase|ntdll|version)\.dll$|^api-ms-win-[\w-]+\.dll$",
    re.IGNORECASE)
OURS = re.compile(r"^(lib)?(radar|radartrack|orvane)(\.so(\.\d+)*|\.dll)$", re.IGNORECASE)

CXX_HEADERS = set("""algorithm any array atomic barrier bit bitset cassert cctype cerrno cfenv cfloat charconv
chrono cinttypes climits clocale cmath codecvt compare complex concepts condition_variable coroutine csetjmp
csignal cstdarg cstddef cstdint cstdio cstdlib cstring ctime cuchar cwchar cwctype deque exception execution
expected filesystem format forward_list fstream functional future initializer_list iomanip ios iosfwd iostream
istream iterator latch limits list locale map memory memory_resource mutex new numbers numeric optional ostream
queue random ranges ratio regex scoped_allocator semaphore set shared_mutex source_location span sstream stack
stdexcept stop_token streambuf string string_view syncstream system_error thread tuple type_traits typeindex
typeinfo unordered_map unordered_set utility valarray variant vector version""".split())
C_HEADERS = set("""assert.h complex.h ctype.h errno.h fenv.h float.h inttypes.h iso646.h limits.h locale.h math.h
setjmp.h signal.h stdalign.h stdarg.h stdatomic.h stdbool.h stddef.h stdint.h stdio.h stdlib.h stdnoreturn.h
string.h tgmath.h threads.h time.h uchar.h wchar.h wctype.h""".split())
POSIX_HEADERS = set("""unistd.h pthread.h poll.h fcntl.h dlfcn.h netdb.h strings.h sched.h semaphore.h termios.h
dirent.h ifaddrs.h""".split())
POSIX_ROOTS = {"sys", "netinet", "arpa", "net", "linux"}
WINDOWS_HEADERS = set("""windows.h winsock2.h ws2tcpip.h mswsock.h iphlpapi.h io.h process.h winver.h winres.h
shlobj.h""".split())
COMPILER_HEADERS = set("immintrin.h emmintrin.h xmmintrin.h intrin.h x86intrin.h cpuid.h".split())
SYSTEM_HEADERS = CXX_HEADERS | C_HEADERS | POSIX_HEADERS | WINDOWS_HEADERS | COMPILER_HEADERS

SOURCE_SUFFIXES = (".c", ".cc", ".cpp", ".h", ".hpp", ".inc", ".rc")
NOT_SHIPPED = {".git", "tests", "test", "fuzz", "bench"}  # test programs are not shipped
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)


def notice_sections(path):
    with open(path, encoding="utf-8") as notices:
        return set(re.findall(r"^Component: (.+?)\s*$", notices.read(), re.MULTILINE))


def tree_files(root, skip_builds):
    """Relative paths of the files under root (symbolic links to folders are not followed)."""
    found = set()
    for folder, subfolders, files in os.walk(root):
        if skip_builds:
            subfolders[:] = [s for s in subfolders if s not in NOT_SHIPPED and not s.startswith("build")
                             and not os.path.exists(os.path.join(folder, s, "CMakeCache.txt"))]
        found.update(os.path.relpath(os.path.join(folder, f), root) for f in files)
    return found


def resolves(name, files):
    return any(f == name or f.endswith("/" + name) for f in files)


def third_party_includes(source, build):
    """(header, file) for each include the shipped sources make that is neither ours nor the system's.
    A header a component claims counts even when a copy of it lives in our tree."""
    sources = tree_files(source, skip_builds=True)
    generated = tree_files(build, skip_builds=False)
    found = []
    for relative in sorted(f for f in sources if f.endswith(SOURCE_SUFFIXES)):
        with open(os.path.join(source, relative), encoding="utf-8", errors="replace") as text:
            for form, header in INCLUDE.findall(text.read()):
                ours = resolves(header, sources) or (form == '"' and resolves(header, generated))
                system = header in SYSTEM_HEADERS or header.split("/")[0] in POSIX_ROOTS
                if components_for("includes", header) or not (ours or system):
                    found.append((header, relative))
    return found


def linked_libraries(objdump, binary):
    """('elf' or 'pe', the NEEDED entries or imported DLL names) of one binary."""
    with open(binary, "rb") as f:
        magic = f.read(4)
    dump = subprocess.run([objdump, "-p", binary], check=True, capture_output=True, text=True).stdout
    if magic == b"\x7fELF":
        return "elf", re.findall(r"^\s*NEEDED\s+(\S+)", dump, re.MULTILINE)
    if magic[:2] == b"MZ":
        return "pe", re.findall(r"^\s*DLL Name: (\S+)", dump, re.MULTILINE)
    raise SystemExit(f"{binary}: neither an ELF nor a PE file")


def components_for(kind, marker):
    """The components a header, library or runtime marker belongs to."""
    def matches(pattern):
        if kind == "includes":  # a folder ("boost/") or a header wherever it sits ("stb/stb_image_write.h")
            return marker.startswith(pattern) if pattern.endswith("/") else \
                marker == pattern or marker.endswith("/" + pattern)
        if kind == "libraries":
            return marker.lower().startswith(pattern.lower())
        return marker == pattern
    return [name for name, markers in COMPONENTS.items() if any(matches(p) for p in markers.get(kind, []))]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--notices", required=True)
    parser.add_argument("--source", required=True)
    parser.add_argument("--build", required=True)
    parser.add_argument("--objdump", required=True)
    parser.add_argument("--static-runtime", action="store_true", help="Windows programs linked with -static")
    parser.add_argument("binaries", nargs="+")
    args = parser.parse_args()

    sections = notice_sections(args.notices)
    carried = []  # (kind, marker, where)
    for binary in args.binaries:
        form, libraries = linked_libraries(args.objdump, binary)
        if not libraries:
            sys.exit(f"{binary}: objdump -p listed no {'NEEDED' if form == 'elf' else 'DLL'} entries; "
                     "the check cannot read this file")
        name = os.path.basename(binary)
        for library in libraries:
            if not (OURS.match(library) or (SYSTEM_ELF if form == "elf" else SYSTEM_DLL).match(library)):
                carried.append(("libraries", library, name))
        if form == "pe":
            carried.append(("runtime", "mingw-w64's start-up code", name))
            if args.static_runtime:
                carried.append(("runtime", "the static runtime", name))
    includes = third_party_includes(args.source, args.build)
    carried += [("includes", header, where) for header, where in includes]

    failures, needed = [], set()
    for kind, marker, where in carried:
        owners = components_for(kind, marker)
        if not owners:
            failures.append(f"{where}: {marker} is neither ours, the system's nor a known component's: "
                            f"add it to COMPONENTS in {__file__} and its section to {args.notices}")
        for owner in owners:
            needed.add(owner)
            if owner not in sections:
                failures.append(f"{where}: {marker} -> {owner}, which has no 'Component: {owner}' "
                                f"section in {args.notices}")
    print(f"{len(args.binaries)} binaries, {len(includes)} third-party includes; components carried: "
          + ", ".join(sorted(needed)))
    for name in sorted(sections - set(COMPONENTS)):
        print(f"note: {args.notices} has a section for {name}, which the table does not know")
    if failures:
        print("\n".join(sorted(set(failures))), file=sys.stderr)
        sys.exit(1)


if __name__ == "__main__":
    main()
