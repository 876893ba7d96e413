#!/usr/bin/env python3
"""Runs clang-tidy, as .clang-tidy sets it, over the project's own sources in
a build's compile_commands.json, in parallel through run-clang-tidy; every
finding is an error. A source found clean is stamped in the build folder and
checked again only once one of its objects, or .clang-tidy, is newer than its
stamp: the build rebuilds an object whenever its source or a header it reads
changes, so a run after a small change checks little."""

import argparse
import json
import os
import re
import shlex
import subprocess
import sys
import time

OWN_FOLDERS = "(src|tests|benchmarks|fuzz)"
COLOUR = re.compile(r"\x1b\[[0-9;]*m")


def modified(path):
    try:
        return os.stat(path).st_mtime_ns
    except FileNotFoundError:
        return None


def own_sources(root, build):
    """Each of the project's sources with the objects the build makes of it."""
    own = re.compile("^" + re.escape(root) + "/" + OWN_FOLDERS + "/")
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as database:
        entries = json.load(database)
    sources = {}
    for entry in entries:
        source = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
        if not own.match(source):
            continue
        arguments = entry["arguments"] if "arguments" in entry else shlex.split(entry["command"])
        target = arguments[arguments.index("-o") + 1]
        sources.setdefault(source, []).append(os.path.join(entry["directory"], target))
    return sources


def stamp_of(root, build, source):
    return os.path.join(build, "tidy-stamps", os.path.relpath(source, root) + ".clean")


def unchecked(root, build, sources):
    config = modified(os.path.join(root, ".clang-tidy"))
    stale = []
    for source, objects in sorted(sources.items()):
        checked = modified(stamp_of(root, build, source))
        times = [modified(path) for path in objects] + [config]
        if checked is None or None in times or max(times) >= checked:
            stale.append(source)
    return stale


def findings_by_source(output, sources):
    """run-clang-tidy writes each source's invocation, ending in the source's
    path, then what clang-tidy said about it."""
    blocks = {}
    current = None
    for line in output.splitlines(keepends=True):
        plain = COLOUR.sub("", line).rstrip("\n")
        last = plain.rsplit(" ", 1)[-1]
        if " --use-color " in plain and last in sources:
            current = last
            blocks.setdefault(current, [])
        elif current is not None and not re.fullmatch(r"\d+ warnings? generated\.", plain):
            blocks[current].append(line)
    return blocks


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("root", help="the project's folder")
    parser.add_argument("build", help="a build folder configured with CMAKE_EXPORT_COMPILE_COMMANDS")
    parser.add_argument("-j", "--jobs", type=int, default=os.cpu_count())
    arguments = parser.parse_args()
    root = os.path.realpath(arguments.root)
    build = os.path.realpath(arguments.build)

    sources = own_sources(root, build)
    stale = unchecked(root, build, sources)
    if not stale:
        print(f"clang-tidy: all {len(sources)} sources unchanged since found clean")
        return 0
    print(f"clang-tidy: checking {len(stale)} of {len(sources)} sources, {arguments.jobs} at a time", flush=True)

    # Headers are read through the rings' include roots in the build folder.
    header_filter = "^(" + re.escape(root) + "/" + OWN_FOLDERS + "|" + re.escape(build) + "/include)/"
    started = time.time_ns()
    run = subprocess.run(["run-clang-tidy", "-j", str(arguments.jobs), "-quiet", "-p", build,
                          "-header-filter=" + header_filter,
                          # The compiler's own warnings are the build's to report.
                          "-extra-arg=-Wno-error"] + ["^" + re.escape(source) + "$" for source in stale],
                         stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, check=False)

    blocks = findings_by_source(run.stdout, set(stale))
    failed = [source for source in stale if source not in blocks or "".join(blocks[source]).strip()]
    for source in stale:
        if source in failed:
            continue
        stamp = stamp_of(root, build, source)
        os.makedirs(os.path.dirname(stamp), exist_ok=True)
        with open(stamp, "w", encoding="utf-8"):
            pass
        os.utime(stamp, ns=(started, started))

    if run.returncode == 0 and not failed:
        return 0
    colour = sys.stdout.isatty()
    for source in failed:
        text = "".join(blocks.get(source, [f"{source}: clang-tidy did not run\n"]))
        sys.stdout.write(text if colour else COLOUR.sub("", text))
    if not failed:
        sys.stdout.write(run.stdout if colour else COLOUR.sub("", run.stdout))
    print(f"clang-tidy: {len(failed)} of {len(stale)} sources have findings")
    return 1


if __name__ == "__main__":
    sys.exit(main())
