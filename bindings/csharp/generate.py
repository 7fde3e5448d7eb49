#!/usr/bin/python3
"""Writes bindings/csharp/Radar.cs, the C# binding, from include/radar.h and orvane/orvane.h.

Every export, constant, callback type and the echo line record come from the headers, so the
binding cannot drift from them; the export list (cmake/radar_exports.txt,
orvane/orvane_exports.txt) must agree on every name and argument count, or nothing is written.

    generate.py            write Radar.cs
    generate.py --check    exit 1 when Radar.cs is not what the headers give (a CTest test)
"""
import argparse
import difflib
import pathlib
import re
import sys

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent.parent
RADAR_H = ROOT / "include" / "radar.h"
ORVANE_H = ROOT / "orvane" / "orvane.h"
RADAR_LIST = ROOT / "cmake" / "radar_exports.txt"
ORVANE_LIST = ROOT / "orvane" / "orvane_exports.txt"
OUTPUT = HERE / "Radar.cs"

# Integer types of the headers and their C# twins.
SCALARS = {"int16_t": "short", "uint16_t": "ushort", "int32_t": "int", "uint32_t": "uint",
           "uint8_t": "byte", "void": "void"}

# What the binding keeps of each callback it hands over, so the garbage collector cannot free a
# delegate the library still calls. A new function taking a callback needs its rule here.
KEEP_RULES = {
    # Each success replaces the library's notify callback; a refusal leaves the old one.
    "OrvaneInitRadarFunc": "success",
    # Only the first call's callback is taken; later calls change nothing.
    "OrvaneInitRadarEchoFunc": "first",
}

# Macros of the headers that are no constants.
NOT_CONSTANTS = {"RADAR_H", "RADAR_API", "RADAR_CALLBACK", "RADAR_EXPORT", "ORVANE_H", "ORVANE_API",
                 "ORVANE_CALLBACK"}


# C# reserved words, which a C parameter name may be: written with "@" in C#.
KEYWORDS = set("""abstract as base bool break byte case catch char checked class const continue
decimal default delegate do double else enum event explicit extern false finally fixed float for
foreach goto if implicit in int interface internal is lock long namespace new null object operator
out override params private protected public readonly ref return sbyte sealed short sizeof
stackalloc static string struct switch this throw true try typeof uint ulong unchecked unsafe
ushort using virtual void volatile while""".split())


class Fault(Exception):
    pass


def blank_comments(text):
    """The text with every comment blanked (newlines kept, so positions hold), and the comments."""
    comments = []

    def blank(match):
        comments.append((match.start(), match.end(), match.group(0)))
        return re.sub(r"[^\n]", " ", match.group(0))

    return re.sub(r"/\*.*?\*/", blank, text, flags=re.S), comments


def comment_text(comment):
    """A comment's words, one source line per line, without its markers."""
    body = re.sub(r"^/\*+<?|\*/$", "", comment.strip())
    lines = [re.sub(r"^\s*\*? ?", "", line).rstrip() for line in body.splitlines()]
    return "\n".join(line for line in lines if line.strip()).strip()


def is_doc(comment):
    """A comment that tells about the code after it (not a group marker, not a member's note)."""
    text = comment_text(comment)
    return bool(text) and not comment.startswith("/**<") and not re.match(
        r"@(defgroup|name|\{|\}|file)", text) and not text.startswith("----")


def xml(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def summary(text, indent, params=None):
    """XML documentation from a header comment: its text, and @param and @return as their tags
    (a @param only for a parameter the method has: one comment serves a code's Set, Get and Put)."""
    if not text:
        return []
    words, tags = [], []
    for line in text.splitlines():
        tag = re.match(r"@(param)(?:\[\w+\])?\s+(\w+)\s*(.*)|@(returns?)\s*(.*)", line)
        if tag and tag.group(1):
            tags.append(["param", tag.group(2), tag.group(3)])
        elif tag:
            tags.append(["returns", None, tag.group(5)])
        elif tags:
            tags[-1][2] += " " + line.strip()
        else:
            words.append(line)
    if len(words) == 1:
        out = [f"{indent}/// <summary>{xml(words[0])}</summary>"]
    else:
        out = [f"{indent}/// <summary>"] + [f"{indent}/// {xml(w)}" for w in words]
        out += [f"{indent}/// </summary>"]
    for kind, name, about in tags:
        if kind == "returns":
            out.append(f"{indent}/// <returns>{xml(about)}</returns>")
        elif params is not None and name in params:
            out.append(f'{indent}/// <param name="{name}">{xml(about)}</param>')
    return out


def member_note(original, position):
    """The /**< ... */ note on the source line of `position`."""
    start = original.rfind("\n", 0, position) + 1
    end = original.find("\n", position)
    note = re.search(r"/\*\*<(.*?)\*/", original[start:end])
    return note.group(1).strip() if note else ""


def read_list(path):
    """The export list: name -> argument count, in order."""
    exports = {}
    for line in path.read_text().splitlines():
        if line and not line.startswith("#"):
            name, count = line.split()
            exports[name] = int(count)
    return exports


def parse_param(param, where):
    """(C# declaration, C# argument) of one C parameter."""
    m = re.fullmatch(r"(const\s+)?(\w+)\s*(\*?)\s*(\w+)", param.strip())
    if not m:
        raise Fault(f"{where}: cannot read parameter '{param.strip()}'")
    const, ctype, pointer, name = m.groups()
    name = "@" + name if name in KEYWORDS else name
    if ctype == "char" and pointer:
        if const:
            return f"[MarshalAs(UnmanagedType.LPStr)] string {name}", name
        return f"[Out] byte[] {name}", name
    if ctype == "EchoLineRecord" and pointer and not const:
        return f"ref EchoLineRecord {name}", f"ref {name}"
    if ctype in ("RadarNotifyFunc", "RadarEchoFunc") and not pointer:
        return f"{ctype} {name}", name
    if ctype in SCALARS and ctype != "void" and not const:
        return (f"out {SCALARS[ctype]} {name}", f"out {name}") if pointer else \
               (f"{SCALARS[ctype]} {name}", name)
    raise Fault(f"{where}: no C# type for '{param.strip()}'")


def parse_params(params, where):
    params = params.strip()
    if params in ("", "void"):
        return []
    return [parse_param(p, where) for p in params.split(",")]


def parse_functions(stripped, comments, macro, exports, wanted):
    """Every `ret MACRO Name(params);` of a header, with its doc comment, checked against its list."""
    functions = []
    previous_end, previous_doc = 0, ""
    pattern = rf"(?:RADAR_EXPORT\s+)?(\w+)\s+{macro}\s+(\w+)\s*\(([^)]*)\)\s*;"
    for m in re.finditer(pattern, stripped):
        ret, name, params = m.groups()
        if not wanted(name):
            continue
        if ret not in SCALARS:
            raise Fault(f"{name}: no C# type for the result '{ret}'")
        docs = [c for s, e, c in comments if previous_end <= s and e <= m.start() and is_doc(c)]
        doc = comment_text(docs[-1]) if docs else previous_doc
        previous_end, previous_doc = m.end(), doc
        args = parse_params(params, name)
        if exports.get(name) != len(args):
            raise Fault(f"{name} takes {len(args)} arguments; the export list says {exports.get(name)}")
        functions.append({"ret": SCALARS[ret], "name": name, "args": args, "doc": doc})
    found = [f["name"] for f in functions]
    listed = [n for n in exports if wanted(n)]
    if found != listed:
        missing = sorted(set(listed) ^ set(found)) or "the order"
        raise Fault(f"the header and the export list differ: {missing}")
    return functions


def parse_constants(original, stripped, prefix):
    constants = []
    for m in re.finditer(r"^[ \t]*#[ \t]*define[ \t]+(\w+)([^\n]*)$", stripped, flags=re.M):
        name, value = m.group(1), m.group(2).strip()
        if name in NOT_CONSTANTS or m.group(2).startswith("("):  # function-like macros
            continue
        if not name.startswith(prefix):
            raise Fault(f"#define {name}: not a {prefix} constant")
        number = re.fullmatch(r"\(?\s*(-?\s*(?:0[xX][0-9A-Fa-f]+|\d+))[uUlL]*\s*\)?", value)
        if number:
            constants.append(("int", name, number.group(1).replace(" ", ""),
                              member_note(original, m.start())))
        elif re.fullmatch(r'"[^"\\]*"', value):
            constants.append(("string", name, value, member_note(original, m.start())))
        else:
            raise Fault(f"#define {name} {value}: not a number or a text; teach generate.py")
    return constants


def parse_callbacks(stripped, comments):
    callbacks = []
    for m in re.finditer(r"typedef\s+(\w+)\s*\(\s*RADAR_CALLBACK\s*\*\s*(\w+)\s*\)\s*\(([^)]*)\)\s*;",
                         stripped):
        ret, name, params = m.groups()
        docs = [c for s, e, c in comments if e <= m.start() and is_doc(c)]
        args = [decl for decl, _ in parse_params(params, name)]
        callbacks.append({"ret": SCALARS[ret], "name": name, "args": args,
                          "doc": comment_text(docs[-1]) if docs else ""})
    if sorted(c["name"] for c in callbacks) != ["RadarEchoFunc", "RadarNotifyFunc"]:
        raise Fault("the header's callback types are not RadarNotifyFunc and RadarEchoFunc")
    return callbacks


def parse_record(original, stripped, comments):
    m = re.search(r"#pragma\s+pack\s*\(\s*push\s*,\s*(\d+)\s*\)\s*typedef\s+struct\s+EchoLineRecord\s*"
                  r"\{(.*?)\}\s*EchoLineRecord\s*;", stripped, flags=re.S)
    if not m:
        raise Fault("no packed EchoLineRecord in radar.h")
    fields = []
    for f in re.finditer(r"(\w+)\s*(\*?)\s*(\w+)\s*;", m.group(2)):
        ctype, pointer, name = f.groups()
        cs = "IntPtr" if pointer else SCALARS.get(ctype)
        if cs is None or cs == "void":
            raise Fault(f"EchoLineRecord.{name}: no C# type for '{ctype}'")
        fields.append((cs, name, member_note(original, m.start(2) + f.start())))
    docs = [c for s, e, c in comments if e <= m.start() and is_doc(c)]
    return {"pack": m.group(1), "fields": fields, "doc": comment_text(docs[-1])}


def read_header(path):
    original = path.read_text()
    stripped, comments = blank_comments(original)
    return original, stripped, comments


HEAD = """\
// The C# binding of the radar library: every export of radar.h, and the network library's
// NetSetStation, NetClearStations and NetShutdown.
// Generated from radar.h and orvane.h by the binding's generator (generate.py, in the source
// tree): do not edit. Compile it into your program (mcs, csc or an SDK project); it needs nothing but the
// base class library, and runs on .NET Framework 4.x, Mono and .NET 6 and later.
//
// Calling conventions. Every export is __stdcall on 32-bit Windows (plain C elsewhere, where
// StdCall means the platform's one convention), and every callback is __cdecl, hence the
// [UnmanagedFunctionPointer(CallingConvention.Cdecl)] on the two delegate types.
//
// Names. On 32-bit Windows the DLLs export decorated names only ("_OrvaneGetRadarGain@8":
// an underscore, the name, "@" and four bytes per argument); everywhere else the plain name.
// An entry point must be a constant, and one assembly built for Any CPU runs as either, so each
// function is declared twice, once per spelling (Plain, X86), and the public method picks one
// at run time. Some runtimes would find the decorated name on their own when asked for the
// plain one, but not every runtime does so; naming it exactly makes the lookup the same
// everywhere, and ExactSpelling stops the search for "A" and "W" variants. Entry points are
// bound at the first call, so the spelling never used is never looked up.
//
// Callbacks. The library calls the notify callback on the network library's thread and the
// echo callback on its receiver thread, for as long as the process lives. A delegate the
// library holds must not be collected, so RadarApi keeps each one it hands over in a static
// field (the notify callback until a later OrvaneInitRadarFunc succeeds with another, the echo
// callback for good): a lambda may be passed straight in.
//
// Strings are passed as 8-bit text in the system's code page (station names and paths in
// ASCII are safe everywhere). Version text comes back in a byte array of 15 bytes or more.
// The library file is "radar" (radar.dll, libradar.so) and the network library "orvane"
// (orvane.dll, liborvane.so): see csharp.md in the documentation (README.txt in the Windows
// SDK) for how each platform finds them.
"""


def emit(radar, orvane):
    out = HEAD.splitlines() + ["", "using System;", "using System.Runtime.InteropServices;", "",
                               "namespace Radar", "{"]
    record = radar["record"]
    out += summary(record["doc"], "    ")
    out += [f"    [StructLayout(LayoutKind.Sequential, Pack = {record['pack']})]",
            "    public struct EchoLineRecord", "    {"]
    for cs, name, note in record["fields"]:
        out += summary(note, "        ") + [f"        public {cs} {name};"]
    out += ["",
            "        /// <summary>",
            "        /// Copies the line's first SampleCount level bytes from Data into destination",
            "        /// (as many as fit) and returns how many it copied; valid while Data is.",
            "        /// </summary>",
            "        public int CopySamples(byte[] destination)",
            "        {",
            "            int count = Math.Min(SampleCount, destination.Length);",
            "            if (Data == IntPtr.Zero) return 0;",
            "            Marshal.Copy(Data, destination, 0, count);",
            "            return count;",
            "        }",
            "    }"]
    for cb in radar["callbacks"]:
        out += [""] + summary(cb["doc"], "    ")
        out += ["    [UnmanagedFunctionPointer(CallingConvention.Cdecl)]",
                f"    public delegate {cb['ret']} {cb['name']}({', '.join(cb['args'])});"]
    out += [""] + api_class("RadarApi", "radar", "The radar library's exports and constants "
                            "(the names of radar.h).", radar, keeps=True)
    out += [""] + api_class("Orvane", "orvane", "The network library's station directory and "
                            "shutdown, and its source status values (orvane.h).", orvane,
                            keeps=False)
    return "\n".join(out + ["}", ""])


def api_class(cls, library, doc, api, keeps):
    i1, i2, i3 = " " * 8, " " * 12, " " * 16
    out = summary(doc, "    ") + [f"    public static class {cls}", "    {"]
    for kind, name, value, note in api["constants"]:
        out += summary(note, i1) + [f"{i1}public const {kind} {name} = {value};"]
    out += ["", f"{i1}const string Library = \"{library}\";",
            f"{i1}// True where the exports carry decorated names: 32-bit Windows.",
            f"{i1}static readonly bool Decorated =",
            f"{i2}IntPtr.Size == 4 && Environment.OSVersion.Platform == PlatformID.Win32NT;"]
    if keeps:
        out += [f"{i1}// The delegates the library holds; never read, only held (hence no warning 414).",
                f"{i1}static readonly object keepLock = new object();",
                "#pragma warning disable 414",
                f"{i1}static RadarNotifyFunc keptNotify;",
                f"{i1}static RadarEchoFunc keptEcho;",
                "#pragma warning restore 414",
                f"{i1}static bool echoTaken;"]
    plain, x86 = [], []
    for f in api["functions"]:
        decls = ", ".join(d for d, _ in f["args"])
        public = re.sub(r"\[[A-Za-z][^]]*\] ", "", decls)  # marshalling attributes belong to the imports
        call = f"{f['name']}({', '.join(a for _, a in f['args'])})"
        size = 4 * len(f["args"])  # every argument takes one 4-byte slot on 32-bit Windows
        for where, entry in ((plain, f["name"]), (x86, f"_{f['name']}@{size}")):
            where += [f"{i2}[DllImport(Library, EntryPoint = \"{entry}\", ExactSpelling = true,",
                      f"{i3}CallingConvention = CallingConvention.StdCall)]",
                      f"{i2}internal static extern {f['ret']} {f['name']}({decls});"]
        names = [re.findall(r"\w+", d)[-1] for d, _ in f["args"]]
        out += [""] + summary(f["doc"], i1, names)
        out += [f"{i1}public static {f['ret']} {f['name']}({public})"]

        def pick(indent):
            return f"Decorated\n{indent}? X86.{call}\n{indent}: Plain.{call}"

        delegate = next((a for d, a in f["args"] if d.startswith("Radar")), None)
        if delegate is None and f["ret"] == "void":
            out += [f"{i1}{{", f"{i2}if (Decorated) X86.{call};", f"{i2}else Plain.{call};",
                    f"{i1}}}"]
            continue
        if delegate is None:
            out += [f"{i2}=> {pick(i3)};"]
            continue
        rule = KEEP_RULES.get(f["name"]) if keeps else None
        if rule is None or f["ret"] == "void":
            raise Fault(f"{f['name']} takes a callback: give it a rule in KEEP_RULES")
        out += [f"{i1}{{", f"{i2}lock (keepLock)", f"{i2}{{"]
        i4 = i3 + "    "
        if rule == "first":
            out += [f"{i3}if (!echoTaken)", f"{i3}{{", f"{i4}echoTaken = true;",
                    f"{i4}keptEcho = {delegate};", f"{i3}}}", f"{i3}return {pick(i4)};"]
        else:
            out += [f"{i3}{f['ret']} result = {pick(i4)};",
                    f"{i3}if (result == RADAR_OK) keptNotify = {delegate};",
                    f"{i3}return result;"]
        out += [f"{i2}}}", f"{i1}}}"]
    out += ["", f"{i1}// Plain names: 64-bit Windows, Linux and every other system.",
            f"{i1}static class Plain", f"{i1}{{"] + plain + [f"{i1}}}"]
    out += ["", f"{i1}// Decorated stdcall names: 32-bit Windows.",
            f"{i1}static class X86", f"{i1}{{"] + x86 + [f"{i1}}}"]
    return out + ["    }"]


def generate():
    original, stripped, comments = read_header(RADAR_H)
    radar = {
        "constants": parse_constants(original, stripped, "RADAR_"),
        "callbacks": parse_callbacks(stripped, comments),
        "record": parse_record(original, stripped, comments),
        "functions": parse_functions(stripped, comments, "RADAR_API",
                                     read_list(RADAR_LIST), lambda n: True),
    }
    original, stripped, comments = read_header(ORVANE_H)
    # Only the stand-in's own functions: the six others are the radar library's to call.
    orvane = {
        "constants": parse_constants(original, stripped, "ORVANE_"),
        "functions": parse_functions(stripped, comments, "ORVANE_API",
                                     read_list(ORVANE_LIST), lambda n: n.startswith("Net")),
    }
    return emit(radar, orvane)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare instead of writing")
    parser.add_argument("--output", type=pathlib.Path, default=OUTPUT)
    options = parser.parse_args()
    try:
        text = generate()
    except Fault as fault:
        sys.exit(f"generate.py: {fault}")
    if not options.check:
        options.output.write_text(text)
        return
    current = options.output.read_text() if options.output.exists() else ""
    if current != text:
        sys.stdout.writelines(difflib.unified_diff(current.splitlines(True), text.splitlines(True),
                                                   str(options.output), "from the headers", n=1))
        sys.exit(f"{options.output} is stale: run bindings/csharp/generate.py")
    print(f"{options.output.name} matches the headers")


if __name__ == "__main__":
    main()
