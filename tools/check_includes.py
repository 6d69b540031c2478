#!/usr/bin/env python3
"""Checks the include graph of the program's sources.

Folders are layers; a file may include files of its own folder and of lower
layers only, and no module (a .h with its .cpp) may reach itself again
through includes. The portable core includes no header of the Windows user interface or OLE.
With --graph, prints which folder includes which.
"""
import os
import re
import sys

# Lowest first. Folders of one layer do not include each other.
LAYERS = [
    ["core"],                                       # portable rules, no user interface
    ["framework"],                                  # knows nothing of the program
    ["res"],                                        # resource ids
    ["tabstrip", "collection", "stealth"],          # each subsystem's windows
    ["expire"],                                     # keeps its list in a collection tree
    ["options"],
    ["browser"],                                    # the main window
    ["app"],                                        # application object and start-up
]
RANK = {folder: rank for rank, folders in enumerate(LAYERS) for folder in folders}
PORTABLE_FORBIDDEN = re.compile(r"^(windowsx|commctrl|ole2|oleauto|ocidl|olectl|shellapi|exdisp|"
                                r"exdispid|shlobj|objbase|direct)\.h$", re.I)
# Modules that are one unit: a tree's node and the list of its children own
# each other.
UNITS = [("core/collection/CollectionNode", "core/collection/CollectionNodeList")]
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def unit_of(module):
    for unit in UNITS:
        if module in unit:
            return unit[0]
    return module


def sources(root):
    for folder in RANK:
        for dirpath, _, names in os.walk(os.path.join(root, folder)):
            for name in names:
                if name.endswith((".h", ".cpp")):
                    yield os.path.relpath(os.path.join(dirpath, name), root).replace(os.sep, "/")


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    errors = []
    folder_edges = set()
    module_edges = {}
    for path in sources(root):
        folder = path.split("/")[0]
        module = unit_of(os.path.splitext(path)[0])
        with open(os.path.join(root, path), encoding="utf-8") as f:
            text = f.read()
        for kind, target in INCLUDE.findall(text):
            if kind == "<":
                if folder == "core" and PORTABLE_FORBIDDEN.match(os.path.basename(target)):
                    errors.append(f"{path}: portable code includes <{target}>")
                continue
            target_folder = target.split("/")[0]
            if target_folder not in RANK:
                errors.append(f"{path}: includes \"{target}\" from outside the layers")
                continue
            if target_folder != folder:
                folder_edges.add((folder, target_folder))
                if RANK[target_folder] >= RANK[folder]:
                    errors.append(f"{path}: includes \"{target}\" of a layer not below {folder}/")
            target_module = unit_of(os.path.splitext(target)[0])
            if target_module != module:
                module_edges.setdefault(module, set()).add(target_module)

    # A circle among modules: depth-first search with colours.
    state = {}
    stack = []

    def visit(module):
        state[module] = 1
        stack.append(module)
        for nxt in sorted(module_edges.get(module, ())):
            if state.get(nxt) == 1:
                errors.append("include circle: " + " -> ".join(stack[stack.index(nxt):] + [nxt]))
            elif nxt not in state:
                visit(nxt)
        stack.pop()
        state[module] = 2

    for module in sorted(module_edges):
        if module not in state:
            visit(module)

    if "--graph" in sys.argv:
        for folder in sorted(RANK, key=lambda f: (RANK[f], f)):
            below = sorted(t for s, t in folder_edges if s == folder)
            if any(e[0] == folder for e in folder_edges) or folder in {p.split("/")[0] for p in sources(root)}:
                print(f"{folder}/ -> " + (", ".join(t + "/" for t in below) or "(nothing)"))
    for error in errors:
        print(error, file=sys.stderr)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
