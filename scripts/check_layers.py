#!/usr/bin/env python3
"""Fails when an #include in src/ crosses the layer order of the code:

    ui, cli -> app -> output, store, identify, uncertainty -> tank -> form, text, exact, geometry
    (cli itself includes only app, form, text, ports and platform);
    xlsx, files, ports and platform beside them; units below them all.

Each folder may include its own headers and those of the folders listed for it below, and
only src/ui may include Qt. Prints every offending line and exits 1; exits 0 when all is in
order."""
import pathlib
import re
import sys

CORE = {"geometry", "exact", "text", "form"}
ALLOWED = {
    "units": set(),
    "geometry": set(),
    "exact": set(),
    "text": set(),
    "form": set(),
    "oil": {"text"},
    "tank": CORE,
    # The uncertainty of the volumes: their propagation through the tank's methods.
    "uncertainty": CORE | {"tank", "oil"},
    "files": set(),
    "xlsx": {"files"},
    "ports": set(),
    "platform": {"files"},
    "store": {"form", "text", "files", "xlsx"},
    "identify": CORE | {"tank"},
    "output": CORE | {"tank", "oil", "xlsx", "files", "ports"},
}
# The units of the quantities (units/units.h) lie below every folder.
for layer in ALLOWED:
    if layer != "units":
        ALLOWED[layer] = ALLOWED[layer] | {"units"}
ALLOWED["app"] = set().union(*ALLOWED.values()) | set(ALLOWED) - {"app"}
ALLOWED["ui"] = ALLOWED["app"] | {"app"}
# The headless front end parses its options, prints and answers on a console; everything
# else it asks of app/.
ALLOWED["cli"] = {"app", "form", "text", "ports", "platform", "units"}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def main() -> int:
    src = pathlib.Path(__file__).resolve().parent.parent / "src"
    problems = []
    folders = {p.name for p in src.iterdir() if p.is_dir()}
    for folder in sorted(folders - set(ALLOWED)):
        problems.append(f"src/{folder}/: a folder with no place in the layer order")
    for path in sorted(src.rglob("*")):
        if path.suffix not in {".h", ".cpp"}:
            continue
        layer = path.relative_to(src).parts[0]
        allowed = ALLOWED.get(layer, set()) | {layer}
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            kind, name = match.groups()
            where = f"{path.relative_to(src.parent)}:{number}: {line.strip()}"
            if kind == "<" and re.match(r"Q[A-Za-z]+(\.h)?$|Qt", name) and layer != "ui":
                problems.append(f"{where}  (Qt outside src/ui)")
            elif kind == '"':
                target = name.split("/")[0] if "/" in name else layer
                if target not in allowed:
                    problems.append(f"{where}  ({layer} may not include {target})")
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} include(s) cross the layer order", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
