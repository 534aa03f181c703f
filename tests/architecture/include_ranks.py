#!/usr/bin/env python3
"""Checks that the includes between the folders of src/ run down the ranks.

A file may include its own folder and any folder of a lower rank (a higher number). Folders of
the same rank may include each other as long as no cycle forms. Every violation is printed as
"file: #include ..." and the check fails.
"""
import re
import sys
from pathlib import Path

# Rank of each folder of src/: 0 is the top. The one table of the rule.
RANKS = {
    "app": 0,
    "settings": 1, "library": 1, "exchange": 1,
    "score": 2, "keyboard": 2, "controls": 2,
    "midi": 3,
    "core": 4,
    "platform": 5,
}

# Includes that break the rule today and are being removed; each entry is (file, include).
ALLOWED = set()

INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/([^"]+)"', re.MULTILINE)


def includes(src):
    """(file, folder, included folder, include) for every include of a folder of src/."""
    for path in sorted(src.rglob("*")):
        if path.suffix not in {".h", ".cpp", ".in"} or not path.is_file():
            continue
        relative = path.relative_to(src).as_posix()
        folder = relative.split("/")[0]
        for match in INCLUDE.finditer(path.read_text(encoding="utf-8", errors="replace")):
            target, rest = match.groups()
            yield relative, folder, target, f"{target}/{rest}"


def cycles(edges):
    """The folder pairs of each strongly connected group of more than one folder."""
    graph = {}
    for a, b in edges:
        graph.setdefault(a, set()).add(b)
    index, low, stack, on_stack, groups = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in graph.get(node, ()):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            group = set()
            while True:
                top = stack.pop()
                on_stack.discard(top)
                group.add(top)
                if top == node:
                    break
            if len(group) > 1:
                groups.append(group)

    for node in list(graph):
        if node not in index:
            visit(node)
    return groups


def check(src):
    problems = []
    same_rank = {}
    for relative, folder, target, include in includes(src):
        if folder not in RANKS:
            problems.append(f"{relative}: folder '{folder}' has no rank")
            continue
        if target == folder or target not in RANKS or (relative, include) in ALLOWED:
            continue
        if RANKS[target] < RANKS[folder]:
            problems.append(f'{relative}: #include "{include}" runs up ({folder} -> {target})')
        elif RANKS[target] == RANKS[folder]:
            same_rank.setdefault((folder, target), []).append((relative, include))
    for group in cycles(same_rank):
        for (a, b), sites in sorted(same_rank.items()):
            if a in group and b in group:
                problems += [f'{f}: #include "{i}" closes a cycle of {sorted(group)}'
                             for f, i in sites]
    return problems


def main():
    src = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parents[2] / "src")
    problems = check(src)
    for line in problems:
        print(line)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
