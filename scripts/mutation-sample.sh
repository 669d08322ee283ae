#!/usr/bin/env bash
# Samples faults a developer could plausibly make in the Qt-free libraries
# (units/, csv/, engine/, documents/, reports/, cli/) and checks that the test suite
# notices them. Each fault is put into a scratch copy of the working tree one
# at a time, the copy is rebuilt (with ccache) and the Qt-free suite is run;
# a fault the suite still passes is a survivor. Prints the score and every
# survivor with its file, line and change.
#
#   scripts/mutation-sample.sh [-n COUNT] [--seed S] [--timeout SECONDS] [--keep]
#
#   -n, --count N     faults to try (default 30)
#   --seed S          the sample drawn (default 1); the same seed on the same
#                     sources draws the same faults
#   --timeout SECONDS limit for each rebuild and for each run of the suite
#                     (default 300); a suite that runs over it counts as
#                     having caught the fault
#   --keep            keep the scratch copy and print where it is
#   --list            only list every fault that could be drawn
#
# The kinds of fault: a flipped comparison, the last digit of a constant, a
# dropped rounding, an off-by-one, a removed check and a changed format.
# A fault that does not compile is replaced by another draw and not scored,
# and so is a fault listed in scripts/mutation-equivalents.txt: a survivor
# that on inspection changes no behaviour goes there, with the reason, so
# that the score counts only faults a test could catch.
# Takes minutes; not part of ./test.sh. Run it as `nice scripts/mutation-sample.sh`
# on a shared machine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
exec python3 - "$root" "$@" <<'PYTHON'
import argparse
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile

LIBRARIES = ("units", "csv", "engine", "documents", "reports", "cli")
EQUIVALENTS = "scripts/mutation-equivalents.txt"


def parse_arguments():
    parser = argparse.ArgumentParser(prog="mutation-sample.sh")
    parser.add_argument("root")
    parser.add_argument("-n", "--count", type=int, default=30)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--timeout", type=int, default=300)
    parser.add_argument("--keep", action="store_true")
    parser.add_argument("--list", action="store_true")
    return parser.parse_args()


# --- Where the code is -------------------------------------------------------

def code_mask(text):
    """One letter per character: 'c' code, 's' inside a string or character
    literal (quotes included), 'k' comment, 'p' preprocessor line."""
    mask = ["c"] * len(text)
    i, n = 0, len(text)
    line_start = True
    while i < n:
        ch = text[i]
        if line_start and ch == "#":
            j = text.find("\n", i)
            j = n if j < 0 else j
            mask[i:j] = "p" * (j - i)
            i = j
            continue
        if ch == "\n":
            line_start = True
            i += 1
            continue
        if not ch.isspace():
            line_start = False
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            mask[i:j] = "k" * (j - i)
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            mask[i:j] = "k" * (j - i)
            i = j
        elif text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            open_paren = text.find("(", i + 2)
            delimiter = text[i + 2:open_paren]
            j = text.find(")" + delimiter + '"', open_paren)
            j = n if j < 0 else j + len(delimiter) + 2
            mask[i:j] = "s" * (j - i)
            i = j
        elif ch in "\"'":
            if ch == "'" and i > 0 and text[i - 1].isalnum():
                i += 1  # a digit separator such as 1'000
                continue
            j = i + 1
            while j < n and text[j] != ch:
                j += 2 if text[j] == "\\" else 1
            j = min(j + 1, n)
            mask[i:j] = "s" * (j - i)
            i = j
        else:
            i += 1
    return "".join(mask)


# --- The kinds of fault ------------------------------------------------------
# Each finder yields (start, end, replacement) for one file's text and mask.

NEGATED = {"==": "!=", "!=": "==", "<": ">=", ">=": "<", ">": "<=", "<=": ">"}
SHIFTED = {"<": "<=", "<=": "<", ">": ">=", ">=": ">"}
COMPARISON = re.compile(r"(?<=\s)(==|!=|<=|>=|<|>)(?=\s)")
NUMBER = re.compile(r"(?<![\w.])(\d+\.\d*|\.\d+|\d+)([eE][+-]?\d+)?(?![\w.'])")
ROUNDING = re.compile(r"\bstd::(round|lround|llround|floor|ceil|trunc|rint|nearbyint)\s*\(")
HALF_UP = re.compile(r" \+ 0\.5(?![\w.])")
ROUNDED_ASSIGNMENT = re.compile(r"\b(\w+) = (\1 [<>]=? [\d.]+ \? [\d.]+ : [\d.]+);")
PLUS_MINUS_ONE = re.compile(r" [+-] 1(?![\w.])")
IF = re.compile(r"\bif\s*\(")
FORMAT_CALL = re.compile(r"\b(std::setw|std::setprecision|\w*[Ff]ormat\w*)\s*\(")
SINGLE_DIGIT = re.compile(r"(?<![\w.])\d(?![\w.])")


def in_code(mask, start, end):
    return all(m == "c" for m in mask[start:end])


def flipped_comparisons(text, mask):
    for m in COMPARISON.finditer(text):
        if in_code(mask, m.start(), m.end()) and not is_template_bracket(text, m):
            yield m.start(), m.end(), NEGATED[m.group(1)]


def off_by_ones(text, mask):
    for m in COMPARISON.finditer(text):
        if m.group(1) in SHIFTED and in_code(mask, m.start(), m.end()) \
                and not is_template_bracket(text, m):
            yield m.start(), m.end(), SHIFTED[m.group(1)]
    for m in PLUS_MINUS_ONE.finditer(text):
        if in_code(mask, m.start(), m.end()):
            yield m.start(), m.end(), ""


def is_template_bracket(text, match):
    line_start = text.rfind("\n", 0, match.start()) + 1
    return text[line_start:match.start()].lstrip().startswith("template")


def last_digits(text, mask):
    for m in NUMBER.finditer(text):
        if not in_code(mask, m.start(), m.end()):
            continue
        mantissa = m.group(1)
        is_float = "." in mantissa or m.group(2) is not None
        if not is_float and len(mantissa) < 2:
            continue  # 0, 1, 2 ... are indices and counts: the off-by-one's
        digits = [i for i, c in enumerate(mantissa) if c.isdigit()]
        last = digits[-1]
        d = int(mantissa[last])
        new = mantissa[:last] + str(d + 1 if d < 9 else 8) + mantissa[last + 1:]
        yield m.start(1), m.end(1), new


def dropped_roundings(text, mask):
    # A rounding call left out, half-up rounding made truncation, a value
    # rounded to one of two numbers left as it was.
    for m in ROUNDING.finditer(text):
        if in_code(mask, m.start(), m.end()):
            yield m.start(), m.end(), "("
    for m in HALF_UP.finditer(text):
        if in_code(mask, m.start(), m.end()):
            yield m.start(), m.end(), ""
    for m in ROUNDED_ASSIGNMENT.finditer(text):
        if in_code(mask, m.start(), m.end()):
            yield m.start(2), m.end(2), m.group(1)


def closing_paren(text, open_index):
    depth = 0
    for i in range(open_index, len(text)):
        if text[i] == "(":
            depth += 1
        elif text[i] == ")":
            depth -= 1
            if depth == 0:
                return i
    return -1


def removed_checks(text, mask):
    for m in IF.finditer(text):
        if not in_code(mask, m.start(), m.end()):
            continue
        open_index = m.end() - 1
        close = closing_paren(text, open_index)
        if close > open_index + 1 and ";" not in text[open_index:close]:
            yield open_index + 1, close, "false"


def literal_spans(text, mask):
    """(start, end) of the body of every ordinary "..." literal."""
    for m in re.finditer(r"s+", mask):
        if text[m.start()] == '"' and text[m.end() - 1] == '"' and m.end() - m.start() > 2:
            yield m.start() + 1, m.end() - 1


def characters_of(text, start, end):
    """(start, end) of each character of a literal's body, an escape sequence
    counting as one."""
    i = start
    while i < end:
        j = i + 1
        if text[i] == "\\":
            j = i + 2
            if text[i + 1] == "x":
                while j < end and text[j] in "0123456789abcdefABCDEF":
                    j += 1
            elif text[i + 1].isdigit():
                while j < end and j < i + 4 and text[j].isdigit():
                    j += 1
        yield i, j
        i = j


HELP_CALL = re.compile(r"\badd_(option|flag|subcommand)\w*|\b(description|footer)\(")


def is_help_text(text, literal_start):
    """A command-line option's help text: what it says is not the program's output."""
    statement_start = max(text.rfind(c, 0, literal_start) for c in ";{}")
    return HELP_CALL.search(text, statement_start + 1, literal_start) is not None


def changed_formats(text, mask):
    # A digit of a text ("%4.1f", a column width) or its last character; a
    # single-digit width, precision or digit count given to a formatting call.
    for body_start, body_end in literal_spans(text, mask):
        if is_help_text(text, body_start):
            continue
        last = None
        for start, end in characters_of(text, body_start, body_end):
            if end == start + 1 and text[start].isdigit():
                yield start, end, str((int(text[start]) + 1) % 10)
            last = (start, end)
        if last:
            yield last[0], last[1], ""
    for m in FORMAT_CALL.finditer(text):
        if not in_code(mask, m.start(), m.end()):
            continue
        close = closing_paren(text, m.end() - 1)
        for d in SINGLE_DIGIT.finditer(text, m.end(), close):
            if in_code(mask, d.start(), d.end()):
                yield d.start(), d.end(), str(int(d.group()) + 1)


KINDS = {
    "flipped comparison": flipped_comparisons,
    "last digit of a constant": last_digits,
    "dropped rounding": dropped_roundings,
    "off-by-one": off_by_ones,
    "removed check": removed_checks,
    "changed format": changed_formats,
}


def find_sites(source_root):
    sites = {kind: [] for kind in KINDS}
    for library in LIBRARIES:
        folder = os.path.join(source_root, library)
        for directory, _, names in sorted(os.walk(folder)):
            for name in sorted(names):
                if not name.endswith((".cpp", ".h")):
                    continue
                path = os.path.join(directory, name)
                relative = os.path.relpath(path, source_root)
                with open(path, encoding="utf-8", errors="surrogateescape") as f:
                    text = f.read()
                mask = code_mask(text)
                for kind, finder in KINDS.items():
                    for start, end, replacement in finder(text, mask):
                        sites[kind].append((relative, start, end, replacement))
    return sites


# --- Scratch copy, build and suite -------------------------------------------

def copy_sources(root, scratch):
    listed = subprocess.run(
        ["git", "-C", root, "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
        check=True, capture_output=True).stdout.decode().split("\0")
    for relative in filter(None, listed):
        source = os.path.join(root, relative)
        if not os.path.isfile(source):
            continue  # deleted in the working tree
        target = os.path.join(scratch, relative)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copy2(source, target)


def run(command, cwd, timeout, environment=None):
    """True when the command succeeds within the time; None on a timeout."""
    try:
        done = subprocess.run(command, cwd=cwd, timeout=timeout, env=environment,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return done.returncode == 0
    except subprocess.TimeoutExpired:
        return None


def line_end(text, position):
    end = text.find("\n", position)
    return len(text) if end < 0 else end


def describe(root, site):
    """The file, line, lines before and after the change, and both texts."""
    relative, start, end, replacement = site
    with open(os.path.join(root, relative), encoding="utf-8", errors="surrogateescape") as f:
        original = f.read()
    mutated = original[:start] + replacement + original[end:]
    line_start = original.rfind("\n", 0, start) + 1
    before = original[line_start:line_end(original, end)]
    after = mutated[line_start:line_end(mutated, start + len(replacement))]
    squeeze = lambda text: " ".join(part.strip() for part in text.split("\n"))
    line = original.count("\n", 0, start) + 1
    return relative, line, squeeze(before), squeeze(after), original, mutated


def list_sites(root):
    sites = find_sites(root)
    for kind, found in sites.items():
        print(f"{kind}: {len(found)}")
        for site in found:
            relative, line, before, after, _, _ = describe(root, site)
            print(f"  {relative}:{line}  {before}  ->  {after}")


def read_equivalents(path):
    """The faults known to change no behaviour: (file, line before, line
    after) from the lines "file | before | after" of the list."""
    equivalents = set()
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            for text in f:
                parts = [part.strip() for part in text.split(" | ")]
                if not text.startswith("#") and len(parts) == 3:
                    equivalents.add(tuple(parts))
    return equivalents


def main():
    arguments = parse_arguments()
    if arguments.list:
        list_sites(arguments.root)
        return
    scratch = tempfile.mkdtemp(prefix="viskora-mutation-")
    build = os.path.join(scratch, "build")
    environment = dict(os.environ)
    # Paths relative to the scratch copy, so that the cache of one run serves
    # the next one in another scratch folder.
    environment.update(CCACHE_BASEDIR=scratch, CCACHE_NOHASHDIR="1")
    configure = ["cmake", "-S", scratch, "-B", build, "-G", "Ninja",
                 "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DVISKORA_GUI=OFF", "-DVISKORA_BENCH=OFF",
                 # Bounds-checked containers, as the sanitizer run of
                 # ./test.sh has them: a fault that reads past an array fails.
                 "-DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS"]
    if shutil.which("ccache"):
        configure.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    rebuild = ["cmake", "--build", build, "-j2"]
    suite = ["ctest", "--test-dir", build, "-j2", "--stop-on-failure",
             "--timeout", str(arguments.timeout)]
    try:
        print(f"Scratch copy in {scratch}", flush=True)
        copy_sources(arguments.root, scratch)
        if not run(configure, scratch, None, environment) \
                or not run(rebuild, scratch, None, environment):
            sys.exit("The unchanged sources do not build.")
        if not run(suite, scratch, arguments.timeout, environment):
            sys.exit("The suite fails on the unchanged sources: mend that first.")

        sites = find_sites(scratch)
        kinds = [kind for kind in KINDS if sites[kind]]
        generator = random.Random(arguments.seed)
        tried = set()
        killed, survivors, stillborn, skipped = 0, [], 0, 0
        equivalents = read_equivalents(os.path.join(arguments.root, EQUIVALENTS))
        while killed + len(survivors) < arguments.count:
            kind = generator.choice(kinds)
            site = generator.choice(sites[kind])
            if site in tried:
                if len(tried) >= sum(len(s) for s in sites.values()):
                    break
                continue
            tried.add(site)
            relative, line, before, after, original, mutated = describe(scratch, site)
            if (relative, before, after) in equivalents:
                skipped += 1
                continue
            path = os.path.join(scratch, relative)
            with open(path, "w", encoding="utf-8", errors="surrogateescape") as f:
                f.write(mutated)
            try:
                if not run(rebuild, scratch, arguments.timeout, environment):
                    stillborn += 1
                    continue
                passed = run(suite, scratch, arguments.timeout, environment)
            finally:
                with open(path, "w", encoding="utf-8", errors="surrogateescape") as f:
                    f.write(original)
            number = killed + len(survivors) + 1
            verdict = "survived" if passed else ("caught (timeout)" if passed is None else "caught")
            print(f"[{number:2}/{arguments.count}] {verdict:16} {relative}:{line}  {kind}",
                  flush=True)
            if passed:
                survivors.append((relative, line, kind, before, after))
            else:
                killed += 1

        scored = killed + len(survivors)
        print()
        print(f"Score: {killed} of {scored} caught"
              + (f" ({100 * killed / scored:.0f} %)" if scored else "")
              + f"; drawn again: {stillborn} that did not compile, {skipped} known to change"
              f" nothing (seed {arguments.seed}).")
        for relative, line, kind, before, after in survivors:
            print(f"\nSurvivor {relative}:{line} ({kind})\n  - {before}\n  + {after}")
    finally:
        if arguments.keep:
            print(f"\nScratch copy kept in {scratch}")
        else:
            shutil.rmtree(scratch, ignore_errors=True)


main()
PYTHON
