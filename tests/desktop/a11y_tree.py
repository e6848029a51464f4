#!/usr/bin/python3
"""Prints what a screen reader reads of a running program: every accessible object of the
application whose name contains the first argument, one a line, as
role|name|x|y|width|height (screen pixels; 0 sizes for objects laid out with zero size)."""
import sys

import pyatspi


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    try:
        extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        box = (extents.x, extents.y, extents.width, extents.height)
    except NotImplementedError:
        box = (0, 0, 0, 0)
    name = (node.name or "").replace("|", "/").replace("\n", " ")
    print("%s|%s|%d|%d|%d|%d" % ((node.getRoleName(), name) + box))
    for index in range(node.childCount):
        walk(node.getChildAtIndex(index), depth + 1)


def main():
    wanted = sys.argv[1] if len(sys.argv) > 1 else "zelmouse"
    desktop = pyatspi.Registry.getDesktop(0)
    found = False
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is not None and wanted in (app.name or ""):
            found = True
            walk(app)
    return 0 if found else 1


if __name__ == "__main__":
    sys.exit(main())
