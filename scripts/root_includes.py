#!/usr/bin/env python3
"""Rewrites every quoted include of our own headers to its path from the
repository root (tests: helpers from the tests root, same-folder fixtures as
they are). Each include is resolved the way the compilers resolved it before:
beside its file, then the include folders its target had. An include that
names no file of the tree (a generated header) keeps its form.
It models the include folders of the old layout, so that it also mends a
branch written before the move.
Usage: scripts/root_includes.py [repository root]"""
import os
import re
import sys

ROOT = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..'))
PRODUCTION = ['platform', 'runtime', 'host', 'runner', 'toolkit', 'examples']
INCLUDE = re.compile(r'^(\s*#\s*include\s*)"([^"]+)"(.*)$')


def sources():
    for top in PRODUCTION + ['tests']:
        for folder, _, names in os.walk(os.path.join(ROOT, top)):
            for name in sorted(names):
                if name.endswith(('.h', '.hpp', '.cpp', '.c')):
                    yield os.path.relpath(os.path.join(folder, name), ROOT)


def test_folder(path):
    """The folder whose CMakeLists.txt builds a test file: it was an include folder."""
    folder = os.path.dirname(path)
    while folder != 'tests' and not os.path.exists(os.path.join(ROOT, folder, 'CMakeLists.txt')):
        folder = os.path.dirname(folder)
    return folder


def search_path(path):
    folders = [os.path.dirname(path)]
    if path.startswith('tests/'):
        folders += [test_folder(path), 'tests']
    return folders + ['runner', 'runtime', '']


def resolve(path, name):
    found = []
    for folder in search_path(path):
        candidate = os.path.normpath(os.path.join(folder, name))
        if os.path.isfile(os.path.join(ROOT, candidate)) and candidate not in found:
            found.append(candidate)
    return found


def spelling(path, name, target):
    if target.startswith('tests/'):
        if name == os.path.basename(target) and os.path.dirname(target) == os.path.dirname(path):
            return name
        return os.path.relpath(target, 'tests')
    return target


def check_unique(path, name, target):
    """The new spelling must find the same file under the new include folders."""
    folders = [os.path.dirname(path)] + (['tests'] if path.startswith('tests/') else []) + ['']
    hits = {os.path.normpath(os.path.join(f, name)) for f in folders
            if os.path.isfile(os.path.join(ROOT, f, name))}
    return hits == {target}


def main():
    problems = []
    changed = 0
    for path in sources():
        with open(os.path.join(ROOT, path), encoding='utf-8', newline='') as file:
            lines = file.read().split('\n')
        out = []
        for line in lines:
            match = INCLUDE.match(line)
            if match:
                head, name, tail = match.groups()
                found = resolve(path, name)
                if found:
                    if len(found) > 1 and not name.startswith('../'):
                        problems.append(f'{path}: "{name}" could be {found}; took {found[0]}')
                    new_name = spelling(path, name, found[0])
                    if not check_unique(path, new_name, found[0]):
                        problems.append(f'{path}: "{new_name}" is ambiguous; kept "{name}"')
                        new_name = name
                    line = f'{head}"{new_name}"{tail}'
            out.append(line)
        if out != lines:
            changed += 1
            with open(os.path.join(ROOT, path), 'w', encoding='utf-8', newline='') as file:
                file.write('\n'.join(out))
    print(f'{changed} files rewritten')
    for problem in problems:
        print(problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
