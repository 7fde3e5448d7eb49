#!/usr/bin/python3
"""The API reference's view of radar.h (Doxygen's input filter for it).

Each command code's block in radar.h documents its Set, Get and Put once:

    /* 0x03 Gain.
     * Values: mode 0-3; level 0-100.
     * Put data form: $k03,mode,level. */
    RADAR_EXPORT int16_t RADAR_API OrvaneSetRadarGain(uint16_t mode, uint16_t level);
    ...
    #define RADAR_CODE_GAIN 0x03 /**< command code: Gain */

The reference gives every one of those functions a page entry of its own with
what it does, each parameter with its range and unit, and its results, made
here from the block, so the three can never disagree with the block or with
each other. A parameter the block does not name stops the filter: the build of
the reference fails rather than publish a function without it.

  docs/api_filter.py include/radar.h > filtered.h
"""
import re
import sys

BLOCK = re.compile(r"^/\* (0x[0-9A-F]{2}) (.*?)\*/\n((?:RADAR_EXPORT [^;]*;\n)+)", re.M | re.S)
DECLARATION = re.compile(r"RADAR_EXPORT \w+ RADAR_API Orvane(Set|Get|Put)(\w+)\(([^)]*)\);", re.S)
VALUE = re.compile(r"^(\w+) (any value|-?\d+(?:-| to )-?\d+)(?: \((.*)\))?$")

DISTANCE_UNIT = ("ten-thousandths of the radar's distance unit; radarctl and its simulated station "
                 "take the unit as a nautical mile")
KIND = ("the sentence kind, 0-5: RADAR_KIND_ORDER (S), RADAR_KIND_REQUEST (R) or RADAR_KIND_ANNOUNCE "
        "(N) send the values in the data form; RADAR_KIND_X, RADAR_KIND_E and RADAR_KIND_O send the "
        "bare form")
RESULT = {
    "Set": "RADAR_OK when every value was stored; RADAR_OUT_OF_RANGE when one is outside its range "
           "(then nothing is stored)",
    "Set any": "RADAR_OK: every value is stored as given",
    "Get": "RADAR_OK",
    "Put": "RADAR_OK when the sentence was sent; RADAR_OUT_OF_RANGE when the kind is above 5 or a value "
           "is outside its range (nothing is sent); RADAR_NOT_SENT when there is no peer yet or the "
           "socket did not take the whole sentence",
}
WHAT = {"Set": "Stores the values of", "Get": "Reads back the stored values of", "Put": "Sends a sentence of"}


def values_of(text):
    """{name: description} from the block's "Values:" line and its continuations."""
    # The line and its continuations (indented further), up to its full stop.
    found = re.search(r"Values: (.*?)\.(?:\n \* (?!   )|\s*$)", text, re.S)
    if not found:
        return {}
    line = re.sub(r"\s*\n \*\s+", " ", found.group(1))
    values = {}
    for item in line.split("; "):
        m = VALUE.match(item.strip())
        if not m:
            raise SystemExit(f"api_filter: cannot read the value \"{item}\"")
        name, span, note = m.groups()
        span = "any value" if span == "any value" else span.replace(" to ", " to ")
        note = (note or "").replace("ten-thousandths of a unit", DISTANCE_UNIT)
        values[name] = f"{span}" + (f" ({note})" if note else "")
    for name, low, high in re.findall(r"Put accepts (\w+) (-?\d+)-(\d+)", text):
        values[f"put {name}"] = f"{low}-{high}"
    return values


def parameters(params):
    """[(name, is_pointer)] of a declaration's parameter list."""
    names = []
    for p in re.sub(r"\s+", " ", params).split(","):
        p = p.strip()
        if p in ("", "void"):
            continue
        names.append((re.search(r"(\w+)$", p).group(1), "*" in p))
    return names


def document(family, stem, params, title, values, text):
    """The doc comment of one function of a block."""
    lines = [f"{WHAT[family]} {title} (command code {text[0]}).", ""]
    lines += text[1].splitlines()
    ranged = False
    for name, pointer in parameters(params):
        if family == "Put" and name == "kind":
            lines.append(f"@param kind {KIND}")
            continue
        key = f"put {name}" if family == "Put" and f"put {name}" in values else name
        if key not in values:
            if family == "Get" and not pointer:
                lines.append(f"@param {name} not used: any value will do")
                continue
            raise SystemExit(f"api_filter: Orvane{family}{stem}: the block of {text[0]} gives no range "
                             f"for \"{name}\"")
        ranged = ranged or values[key].split(" ")[0] != "any"
        if pointer:
            lines.append(f"@param[out] {name} receives the stored {name}: {values[key]}")
        else:
            lines.append(f"@param {name} {values[key]}")
    result = RESULT["Set any"] if family == "Set" and not ranged else RESULT[family]
    if family == "Get" and re.search(r"Get RADAR_REFUSED", text[1]):
        result += "; RADAR_REFUSED when the number is neither 1 nor 2 (nothing is written)"
    lines.append(f"@return {result}")
    return "/** " + "\n * ".join(lines).replace("\n * \n", "\n *\n") + " */\n"


def expand(match):
    code, body, declarations = match.groups()
    title = body.split(".", 1)[0].strip()
    title = re.sub(r" \(.*$", "", title)
    lines = [re.sub(r"^\s*\*\s?", "", l).rstrip() for l in body.splitlines()[1:]]
    text = (code, "\n".join(l.lstrip() if l.startswith("   ") else l for l in lines).strip())
    values = values_of(body)
    out = [f"/* {code} {body}*/\n"]
    for d in DECLARATION.finditer(declarations):
        family, stem, params = d.groups()
        out.append(document(family, stem, params, title, values, text))
        out.append(d.group(0) + "\n")
    return "".join(out)


def main():
    with open(sys.argv[1], encoding="utf-8") as f:
        sys.stdout.write(BLOCK.sub(expand, f.read()))


if __name__ == "__main__":
    main()
