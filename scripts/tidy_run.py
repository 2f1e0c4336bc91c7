#!/usr/bin/env python3
"""Runs clang-tidy over the project's own sources in one or more builds.

    tidy_run.py ROOT JOBS BUILD [BUILD...]

Each BUILD's compile_commands.json names its sources; files generated into
a build tree are left out, and a source already checked in an earlier BUILD
is not checked again (so a cross build adds only its own platform's files).
A cross compiler's sources are parsed for its target, with its C++ library
headers, which clang cannot find in a mingw-w64 installation by itself.

A clean file is remembered in BUILD/tidy-cache/ under a hash of what its
result depends on: clang-tidy's version, the checks (the .clang-tidy files above it), the
compile command, and the contents of the source and of every header the
build's last compile of it read (Ninja's dependency log). Unchanged, it is
not checked again; a clean build tree checks everything. A file without a
dependency record (not built yet) is always checked.

Prints each finding and exits 1 when there are any.
"""
import concurrent.futures
import hashlib
import json
import os
import re
import shlex
import subprocess
import sys


def command_words(entry):
    if "arguments" in entry:
        return entry["arguments"]
    return shlex.split(entry["command"])


def object_file(words):
    for i, word in enumerate(words[:-1]):
        if word == "-o":
            return words[i + 1]
    return None


def ninja_dependencies(build):
    """Maps each object file (as the build names it) to the files it read."""
    result = subprocess.run(["ninja", "-C", build, "-t", "deps"], capture_output=True,
                            text=True, check=False)
    dependencies = {}
    current = None
    for line in result.stdout.splitlines():
        if not line.strip():
            current = None
        elif not line.startswith(" "):
            output, _, state = line.partition(": ")
            current = [] if "(VALID)" in state or "(STALE)" in state else None
            if current is not None:
                dependencies[output] = current
        elif current is not None:
            current.append(line.strip())
    return dependencies


CROSS_ARGUMENTS = {}


def cross_compiler_arguments(compiler):
    """clang-tidy arguments that parse a cross compiler's sources for its target."""
    if compiler in CROSS_ARGUMENTS:
        return CROSS_ARGUMENTS[compiler]
    machine = subprocess.run([compiler, "-dumpmachine"], capture_output=True, text=True,
                             check=True).stdout.strip()
    arguments = []
    if "mingw" in machine:
        search = subprocess.run([compiler, "-xc++", "-E", "-v", "/dev/null"],
                                capture_output=True, text=True, check=True).stderr
        listed = search.split("#include <...> search starts here:")[1].split("End of search")[0]
        # Only the C++ library's folders: clang keeps its own compiler headers.
        arguments = ["--extra-arg-before=--target=" + machine]
        arguments += ["--extra-arg=-isystem" + os.path.normpath(folder.strip())
                      for folder in listed.splitlines() if "/include/c++" in folder]
    CROSS_ARGUMENTS[compiler] = arguments
    return arguments


class ContentHashes:
    def __init__(self):
        self.known = {}

    def of(self, path):
        if path not in self.known:
            try:
                with open(path, "rb") as file:
                    self.known[path] = hashlib.sha256(file.read()).hexdigest()
            except OSError:
                self.known[path] = "missing"
        return self.known[path]


def configurations(root, path):
    """The .clang-tidy files that set the checks for path: its folder's and above."""
    found = []
    folder = os.path.dirname(path)
    while folder.startswith(root):
        candidate = os.path.join(folder, ".clang-tidy")
        if os.path.exists(candidate):
            found.append(candidate)
        folder = os.path.dirname(folder)
    return found


def main():
    root, jobs, builds = os.path.realpath(sys.argv[1]), int(sys.argv[2]), sys.argv[3:]
    version = subprocess.run(["clang-tidy", "--version"], capture_output=True, text=True,
                             check=True).stdout
    generated = os.path.join(root, "build") + os.sep
    hashes = ContentHashes()

    checked_paths = set()
    work = []  # (build, file, clang-tidy arguments, cache key or None)
    skipped = 0
    for build in builds:
        build = os.path.realpath(build)
        cache = os.path.join(build, "tidy-cache")
        os.makedirs(cache, exist_ok=True)
        dependencies = ninja_dependencies(build)
        with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as file:
            entries = json.load(file)
        for entry in entries:
            path = os.path.realpath(os.path.join(entry["directory"], entry["file"]))
            if (not path.startswith(root + os.sep) or path.startswith(generated)
                    or path.startswith(build + os.sep) or path in checked_paths
                    or not re.search(r"\.(cpp|cc|cxx)$", path)):
                continue
            checked_paths.add(path)
            words = command_words(entry)
            arguments = []
            if not re.search(r"(^|/)(c\+\+|g\+\+|clang\+\+)(-[0-9.]+)?$", words[0]):
                arguments = cross_compiler_arguments(words[0])
            key = None
            read = dependencies.get(object_file(words) or "")
            if read is not None:
                digest = hashlib.sha256()
                for part in (version, json.dumps(words), json.dumps(arguments)):
                    digest.update(hashlib.sha256(part.encode()).digest())
                for name in configurations(root, path):
                    digest.update(name.encode() + b"\0" + hashes.of(name).encode())
                for name in [path] + read:
                    name = os.path.join(build, name)
                    digest.update(name.encode() + b"\0" + hashes.of(name).encode())
                key = os.path.join(cache, digest.hexdigest())
                if os.path.exists(key):
                    skipped += 1
                    continue
            work.append((build, path, arguments, key))

    def check(item):
        build, path, arguments, key = item
        result = subprocess.run(["clang-tidy", "--quiet", "-p", build] + arguments + [path],
                                capture_output=True, text=True, check=False)
        output = re.sub(r"\x1b\[[0-9;]*m", "", result.stdout + result.stderr)
        clean = result.returncode == 0 and not re.search(r": (warning|error): ", output)
        if clean and key is not None:
            open(key, "w").close()
        return path, clean, output

    failed = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        for path, clean, output in pool.map(check, work):
            if not clean:
                failed.append(path)
                print(f"---- {os.path.relpath(path, root)}", file=sys.stderr)
                print(output, file=sys.stderr)
    print(f"tidy: {len(work)} files checked, {skipped} unchanged since they were found clean"
          + (f", findings in {len(failed)}" if failed else ", all clean"))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
