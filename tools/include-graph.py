#!/usr/bin/env python3
"""The include graph of the program's folders: which folder's files include which folder's
headers, with the number of includes, and any circle between files. Exit 1 on a circle or on an
include that runs against the layers.
    tools/include-graph.py"""
import os, re, sys
from collections import defaultdict

top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
folders = ["wire", "engine", "net", "match", "replay", "relay", "web", "gamewindow", "panel", "app"]
# What each folder may include besides itself: the layers below it.
allowed = {
    "wire": set(), "engine": {"wire"}, "net": {"wire"}, "match": {"net", "engine", "wire"},
    "replay": {"match", "net", "engine", "wire"}, "relay": {"wire"},
    "web": {"match", "net", "engine", "wire"},
    "gamewindow": {"replay", "match", "net", "engine", "wire"},
    "panel": {"web", "gamewindow", "replay", "match", "net", "engine", "wire"},
    "app": {"panel", "web", "gamewindow", "replay", "match", "net", "engine", "wire", "relay"},
}
home = {}  # header name -> folder
files = {}
for f in folders:
    for name in os.listdir(os.path.join(top, f)):
        if name.endswith((".h", ".cpp")):
            files[f"{f}/{name}"] = f
            if name.endswith(".h"):
                home[name] = f
edges = defaultdict(int)
graph = defaultdict(set)
wrong = []
for path, folder in files.items():
    for inc in re.findall(r'^#include "([^"]+)"', open(os.path.join(top, path)).read(), re.M):
        to = home.get(inc)
        if to is None:
            continue
        graph[path].add(f"{to}/{inc}")
        # A private header stays with its unit: only files named after it include it.
        if inc.endswith("_p.h") and not (to == folder and os.path.basename(path).startswith(inc[:-4])):
            wrong.append(f"{path} includes the private {to}/{inc}")
        if to != folder:
            edges[(folder, to)] += 1
            if to not in allowed[folder]:
                wrong.append(f"{path} includes {to}/{inc}")
for (a, b), n in sorted(edges.items(), key=lambda e: (folders.index(e[0][0]), folders.index(e[0][1]))):
    print(f"{a:>10} -> {b:<10} {n}")
# A header and its .cpp are one unit, with its private header (NAME_p.h: what the unit's own
# files share and nobody else includes); a circle is a path back to the same unit.
unit = lambda p: os.path.splitext(p)[0].removesuffix("_p")
ugraph = defaultdict(set)
for a, bs in graph.items():
    for b in bs:
        if unit(a) != unit(b):
            ugraph[unit(a)].add(unit(b))
circles, state = [], {}
def visit(u, stack):
    state[u] = 1
    stack.append(u)
    for v in sorted(ugraph[u]):
        if state.get(v) == 1:
            circles.append(stack[stack.index(v):] + [v])
        elif v not in state:
            visit(v, stack)
    stack.pop()
    state[u] = 2
for u in sorted(ugraph):
    if u not in state:
        visit(u, [])
for c in circles:
    print("circle: " + " -> ".join(c))
for w in wrong:
    print("against the layers: " + w)
print(f"{len(files)} files, {len(circles)} circles, {len(wrong)} includes against the layers")
sys.exit(1 if circles or wrong else 0)
