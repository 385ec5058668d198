#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Trivex developers
# The cost of importing hostile and oversized sources: each case is written to a
# temporary folder and imported by the built program under /usr/bin/time -v, which
# reports the wall time and the peak memory. Every import must end within 2 s and
# 300 MB, refused or not. Usage: bench/hostile_imports.py [path/to/trivex]
import os
import re
import subprocess
import sys
import tempfile

MIB = 1024 * 1024
K15 = " ".join("abcdefghijklmno")


def graphml(keys, body):
    return ("<graphml>" + keys + "<graph><node id='a'/><node id='b'/>" + body + "</graph></graphml>").encode()


def entities(entity, refs, shared=False):
    decl = "<!DOCTYPE graphml [<!ENTITY e '" + "x" * entity + "'>]>"
    key = "<key id='k' for='node' attr.name='komentar'>"
    if shared:
        nodes = "".join("<node id='v%d'/>" % i for i in range(15))
        return (decl + "<graphml>" + key + "<default>" + "&e;" * refs + "</default></key><graph>" + nodes +
                "</graph></graphml>").encode()
    return decl.encode() + graphml(key + "</key>", "<node id='c'><data key='k'>" + "&e;" * refs + "</data></node>")


def fill(prefix, unit, suffix, limit):
    return prefix + unit * ((limit - len(prefix) - len(suffix)) // len(unit)) + suffix


CASES = [
    ("60 000 elements nested in data", "graphml",
     graphml("<key id='k' for='node' attr.name='komentar'></key>", "<node id='c'><data key='k'>" + "<x>" * 60000 +
             "</data></node>")),
    ("60 000 elements nested in a default", "graphml",
     graphml("<key id='k' for='node' attr.name='komentar'><default>" + "<x>" * 60000 + "</default></key>", "")),
    ("entities, 34 KB", "graphml", entities(4000, 10000)),
    ("entity default shared by 15 vertices, 7 KB", "graphml", entities(4000, 1000, shared=True)),
    ("entities, 3 MB", "graphml", entities(4000, 900000)),
    ("40 000 attributes", "graphml",
     ("<graphml><graph" + "".join(" a%d=''" % i for i in range(40000)) + "/></graphml>").encode()),
    ("200 000 attributes", "graphml",
     ("<graphml><graph" + "".join(" a%d=''" % i for i in range(200000)) + "/></graphml>").encode()),
    ("1 MiB of edges, GraphML", "graphml", fill(b"<graphml><graph><node id='a'/><node id='b'/>",
                                                b"<edge source='a' target='b'/>", b"</graph></graphml>", MIB)),
    ("5 000 nested braces, DOT", "dot", ("graph { a -- b; " + "{" * 5000 + " c " + "}" * 5000 + " }").encode()),
    ("4 MB comment, DOT", "dot", b"graph { /*" + b"x" * (4 * MIB) + b"*/ a -- b }"),
    ("1 MiB comment, DOT", "dot", b"graph { /*" + b"x" * (MIB - 30) + b"*/ a -- b }"),
    ("1 MiB string, DOT", "dot", b"graph { a [label=\"" + b"x" * (MIB - 30) + b"\"] }"),
    ("160 000 concatenations, DOT", "dot", b"graph { a [label=\"a\"" + b"+\"a\"" * 160000 + b"] }"),
    ("{1 200} -- {1 200}, DOT", "dot",
     ("graph { {" + " ".join("a%d" % i for i in range(1200)) + "} -- {" +
      " ".join("b%d" % i for i in range(1200)) + "} }").encode()),
    ("{15} -- {15} repeated to 1 MiB, DOT", "dot", fill(b"graph {\n", ("{%s} -- {%s}\n" % (K15, K15)).encode(), b"}",
                                                        MIB)),
    ("a -- b repeated to 1 MiB, DOT", "dot", fill(b"graph {\n", b"a -- b\n", b"}", MIB)),
    ("a -- b -- a ... to 1 MiB, DOT", "dot", fill(b"graph { a", b" -- b -- a", b" }", MIB)),
    ("node statements to 1 MiB, DOT", "dot", fill(b"graph {\n", b"a;", b"}", MIB)),
    ("15 MB number, edge list", "txt", b"1 2 " + b"7" * (15 * MIB) + b"\n"),
    ("1 MiB number, edge list", "txt", b"1 2 " + b"7" * (MIB - 10) + b"\n"),
    ("1 MiB of edges, edge list", "txt", fill(b"", b"1 2 3\n", b"", MIB)),
]


def main():
    program = sys.argv[1] if len(sys.argv) > 1 else "build/trivex"
    worst_time = worst_rss = 0.0
    with tempfile.TemporaryDirectory() as folder:
        print("%-45s %5s %8s %8s  %s" % ("case", "exit", "wall s", "RSS MB", "message"))
        for name, ext, data in CASES:
            source = os.path.join(folder, "source." + ext)
            with open(source, "wb") as f:
                f.write(data)
            run = subprocess.run(["/usr/bin/time", "-v", program, "--import", source, os.path.join(folder, "t.grf")],
                                 capture_output=True, text=True, errors="replace")
            wall = re.search(r"Elapsed \(wall clock\) time.*: (?:(\d+):)?(\d+):([\d.]+)", run.stderr)
            seconds = (int(wall.group(1) or 0) * 3600 + int(wall.group(2)) * 60 + float(wall.group(3))) if wall else -1
            rss = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", run.stderr).group(1)) / 1024
            lines = [line for line in run.stderr.splitlines() if line.startswith("trivex:")]
            message = lines[0][:90] if lines else ""
            worst_time, worst_rss = max(worst_time, seconds), max(worst_rss, rss)
            print("%-45s %5d %8.2f %8.1f  %s" % (name, run.returncode, seconds, rss, message.replace(source + ": ", "")))
    print("worst: %.2f s, %.1f MB (bounds: 2 s, 300 MB)" % (worst_time, worst_rss))
    return 0 if worst_time < 2 and worst_rss < 300 else 1


if __name__ == "__main__":
    sys.exit(main())
