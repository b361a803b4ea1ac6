#!/usr/bin/env python3
"""Checks that includes run one way, down the order docs/architecture.md gives: between the top folders of
src/, between the rooms of src/core and src/gui, and between the layers of src/core/mapeditor; and that
src/core includes no Qt. Prints every include that runs back up; exits 1 when there is one."""
import os
import re
import sys

TOP = ["app", "gui", "cli", "qtport", "sim", "core"]
CORE = ["logs", "safety", "catalogue", "pages", "mapbinding", "session", "files", "link", "mapeditor",
        "params", "texts"]
GUI = ["app", "about", "logs", "safety", "print", "pages", "mapeditor", "widgets"]
# The map editor's layers: the editor and its commands, the input, the operations and graphs at the
# room's top, the views, and the model they all share.
EDITOR = ["facade", "input", "operations", "views", "model"]
FACADE = {"MapEditor.h", "MapEditor.cpp", "EditorCommands.h", "EditorCommands.cpp", "ClipboardCommands.h",
          "ClipboardCommands.cpp", "PopupMenu.h", "PopupMenu.cpp"}

INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^">]+)[">]', re.M)


def room(path):
    """The order a project file belongs to, and its place in it, for each level that applies."""
    parts = path.split("/")
    places = [("top", TOP.index(parts[0]))] if parts[0] in TOP else []
    if parts[0] == "core" and len(parts) > 2 and parts[1] in CORE:
        places.append(("core", CORE.index(parts[1])))
        if parts[1] == "mapeditor":
            if len(parts) > 3 and parts[2] in ("input", "views", "model"):
                layer = parts[2]
            else:
                layer = "facade" if parts[-1] in FACADE else "operations"
            places.append(("mapeditor", EDITOR.index(layer)))
    if parts[0] == "gui" and len(parts) > 2 and parts[1] in GUI:
        places.append(("gui", GUI.index(parts[1])))
    return dict(places)


def main(source_root):
    faults = []
    for folder, _, files in os.walk(source_root):
        for name in files:
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.relpath(os.path.join(folder, name), source_root).replace(os.sep, "/")
            here = room(path)
            with open(os.path.join(folder, name), encoding="utf-8", errors="replace") as text:
                included = INCLUDE.findall(text.read())
            for target in included:
                if path.startswith("core/") and re.match(r"Q[A-Za-z]|Qt", target):
                    faults.append(f"{path}: the core includes Qt ({target})")
                there = room(target)
                for level, place in here.items():
                    if level in there and there[level] < place:
                        faults.append(f"{path}: {target} runs back up ({level})")
    for fault in sorted(set(faults)):
        print(fault)
    print(f"{len(faults)} includes run back up" if faults else "every include runs one way")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "../../src")))
