#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Mutation testing of the C++ sources: small mechanical edits, built and tested one at a time.

A mutant that makes some test fail is killed; one that leaves every test green survived and
points at behaviour that no test pins down. Each mutant is one edit on one line:

    compare  <  <=  >  >=  ==  !=  turned into its partner (< into <=, == into !=, ...)
    literal  a decimal integer literal one up or one down
    andor    && and || swapped
    negate   the condition of an if, a while or a ?: negated
    delete   an expression statement standing alone on its line removed
    string   a letter dropped from a literal the student reads (Cyrillic, u"", QStringLiteral)

and the faults that add a step rather than change or remove one:

    transform  .trimmed(), .toLower() or .simplified() put after a text read from a control
               (text(), selectedText(), toPlainText()), before it is judged or passed on
    duplicate  an expression statement standing alone on its line done twice
    swap       two neighbouring expression statements of one block, each alone on its line,
               done in the other order

Usage:
    mutate.py [FOLDER ...] [--list] [--ops OP ...] [--sample N --seed S] [--only ID ...]
              [--jobs N] [--repo DIR] [--work DIR] [--equivalent FILE] [--out FILE]
              [--resume FILE]

FOLDERs default to all production folders; --ops keeps only the operators named. --list prints the chosen mutants and builds nothing.
A run copies the files that git tracks or would track, as they stand with uncommitted edits,
into the work directory (default /tmp/lab-mutants), builds them there once unchanged, then
builds and tests each mutant: the test programs of the mutated folder first (FIRST_TESTS
below), the others only for a survivor. A test that runs over its time limit kills the mutant.

Ids hash the file, the text of the line, the edit and where the edit sits in the line, so they
survive edits elsewhere in the file. Mutants that cannot change behaviour are kept by id in
tools/mutants-equivalent.txt and reported without a run. --out writes a JSON line per mutant;
--resume FILE skips the mutants already in FILE and counts them in the report.
"""
import argparse
import collections
import hashlib
import json
import math
import os
import pathlib
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass

PRODUCTION = ["app", "coder", "foundation", "logic", "screens", "widgets", "workbench"]
# Test programs run first for a mutant in a folder or file; the longest path that holds the
# mutant's file counts, "*" is every other folder.
FIRST_TESTS = {
    "coder": ["tst_codermodel"],
    "logic": ["tst_logic"],
    "logic/ClassSummary.cpp": ["tst_journalview"],
    "widgets": ["tst_widgets", "pictures"],
    "app": ["tst_report", "tst_classjournal", "tst_walk", "tst_commandline"],
    "app/journal": ["tst_journalview", "pictures"],
    "*": ["pictures", "tst_screens", "tst_walk"],
}
# The build target of a test whose program has another name.
TARGETS = {"pictures": "render_screens"}
EQUIVALENT = "tools/mutants-equivalent.txt"


@dataclass
class Mutant:
    id: str
    file: str
    line: int
    col: int
    op: str
    old: str
    new: str
    text: str  # the whole original line
    text2: str = ""  # swap: the next line, which takes `old` in place of `new`

    def edit(self):
        if self.op == "swap":
            return f"{self.old} ⇄ {self.new}"
        before = self.text[:self.col].lstrip()
        after = re.sub(r"\s*//.*", "", self.text[self.col + len(self.old):].rstrip())
        if len(before) > 32:
            before = "…" + re.sub(r"^\w+", "", before[-32:])
        if len(after) > 32:
            after = re.sub(r"\w+$", "", after[:32]) + "…"
        return f"{before}{self.old}{after} → " + (f"{before}{self.new}{after}" or "(nothing)")


@dataclass
class Line:
    text: str
    code: str = ""  # comments blanked, and the insides of literals
    strings: tuple = ()
    pp: bool = False
    stmt: bool = False  # begins at statement level of a function body


def scan(texts):
    """Splits each line into code and literals; tracks comments and the braces around it."""
    lines, in_comment, in_pp = [], False, False
    for text in texts:
        ln = Line(text, pp=in_pp or text.lstrip().startswith("#"))
        in_pp = ln.pp and text.rstrip().endswith("\\")
        code, strings, i = list(text), [], 0
        while i < len(text):
            if in_comment or text.startswith("/*", i):
                end = text.find("*/", i + 2 * (not in_comment))
                stop = len(text) if end < 0 else end + 2
                code[i:stop] = " " * (stop - i)
                in_comment, i = end < 0, stop
            elif text.startswith("//", i):
                code[i:] = " " * (len(text) - i)
                break
            elif text[i] == '"' or text[i] == "'" and not DIGITS.search(text[:i]):
                j = i + 1
                while j < len(text) and text[j] != text[i]:
                    j += 2 if text[j] == "\\" else 1
                j = min(j + 1, len(text))
                code[i + 1:j - 1] = " " * (j - i - 2)
                if text[i] == '"':
                    strings.append((i, j))
                i = j
            else:
                i += 1
        ln.code, ln.strings = "".join(code), tuple(strings)
        lines.append(ln)
    mark_statements(lines)
    return lines


DIGITS = re.compile(r"(?<![\w'])\d[\w']*$")  # before a ' that separates digits
SCOPE = re.compile(r"\b(?:class|struct|union|enum|namespace)\b")
BLOCK_TAIL = re.compile(r"(?:[)\]]|\b(?:else|do|try|const|override|noexcept|mutable)|[^:]:)$")


def mark_statements(lines):
    """Flags the lines that start a statement of a function body: outside any bracket there,
    and not inside a class, a namespace or a brace initializer."""
    stack, head = [["scope", 0]], ""
    for ln in lines:
        ln.stmt = stack[-1] == ["block", 0]
        if ln.pp:
            continue
        for ch in ln.code:
            frame = stack[-1]
            if ch in "([":
                frame[1] += 1
            elif ch in ")]":
                frame[1] = max(0, frame[1] - 1)
            if ch == "{":
                tail = head.strip()
                kind = ("scope" if SCOPE.search(tail) else
                        "block" if BLOCK_TAIL.search(tail) or not tail and frame[0] != "init"
                        else "init")
                stack.append([kind, 0])
                head = ""
            elif ch == "}":
                if len(stack) > 1:
                    stack.pop()
                head = ""
            elif ch == ";" and frame[1] == 0:
                head = ""
            else:
                head += ch
        head += " "


CMP = re.compile(r"<=>|<<=|>>=|<<|>>|->|<=|>=|==|!=|<|>")
FLIP = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
PP_NUMBER = re.compile(r"(?<![\w.])\.?\d(?:[eEpP][+-]|[\w.]|'(?=\w))*")
DECL = re.compile(r"\s*(?:const\s+)?[\w:]+(?:<[^()]*>)?[\s*&]+\w+\s*(?:=(?!=)|\{)")
KEYWORDS = {"return", "break", "continue", "case", "default", "goto", "using", "typedef",
            "namespace", "template", "friend", "static_assert", "throw", "delete", "auto",
            "const", "constexpr", "static", "inline", "extern", "struct", "class", "enum",
            "union", "typename", "virtual", "explicit", "co_return", "co_yield", "if", "else",
            "for", "while", "do", "switch", "Q_UNUSED", "Q_ASSERT", "Q_ASSERT_X", "Q_OBJECT"}
EXPRESSION = re.compile(r"(?:\+\+|--)\w|(?:Q_EMIT\s+)?([A-Za-z_]\w*)(?:::\w+)*\s*"
                        r"(?:\.|->|\(|\[|\+\+|--|(?:<<|>>|[-+*/%&|^])?=(?!=))")


TEXT_READ = re.compile(r"(?:->|\.)(?:text|selectedText|toPlainText)\(\)")
TRANSFORMS = (".trimmed()", ".toLower()", ".simplified()")


def lone_statement(ln, prev):
    """Whether the line is one whole expression statement at statement level."""
    statement = ln.code.strip()
    return ln.stmt and statement.endswith(";") \
        and statement.count("(") == statement.count(")") \
        and statement.count("{") == statement.count("}") \
        and bool(m := EXPRESSION.match(statement)) and m.group(1) not in KEYWORDS \
        and (prev[-1:] in (";", "{", "}", ":", ")") or bool(re.search(r"\belse$", prev)))


def closing(code, i):
    depth = 0
    for j in range(i, len(code)):
        depth += (code[j] == "(") - (code[j] == ")")
        if depth == 0:
            return j
    return None


def template_closer(code, p):
    """Where the > closing a template argument list opened at p is, or None for a less-than."""
    before = code[:p].rstrip()
    if not re.search(r"\w$", before) or before.endswith("operator"):
        return None
    depth, paren = 1, 0
    for j in range(p + 1, len(code)):
        c = code[j]
        if c in ";{}=?!|+-\"'" or code.startswith("&&", j):
            return None
        paren += (c == "(") - (c == ")")
        depth += (c == "<") - (c == ">")
        if paren < 0:
            return None
        if depth == 0:
            return j if paren == 0 and not code.startswith(">=", j) else None
    return None


def ternary_start(code, q):
    """Where the condition of the ?: at q begins, or None when it began on an earlier line."""
    depth = 0
    for i in range(q - 1, -1, -1):
        c = code[i]
        if c in ")]":
            depth += 1
        elif c in "([":
            if depth == 0:
                return i + 1
            depth -= 1
        elif depth:
            continue
        elif c in ",;{}?" or c == ":" and ":" not in code[i - 1:i] + code[i + 1:i + 2]:
            return i + 1
        elif c == "=" and code[i + 1:i + 2] != "=" and code[i - 1:i] not in "=!<>":
            return i + 1
        elif re.search(r"(?<!\w)return$", code[:i + 1]) and not re.match(r"\w", code[i + 1:]):
            return i + 1
    return None


def edits(ln, prev):
    """(column, operator, old text, new text) of every mutant of one line."""
    code, text = ln.code, ln.text
    closers = set()
    for m in CMP.finditer(code):
        if m.group() == "<" and (j := template_closer(code, m.start())) is not None:
            closers |= {m.start(), j}
    for m in CMP.finditer(code):
        if m.group() in FLIP and m.start() not in closers \
                and not code[:m.start()].rstrip().endswith("operator"):
            yield m.start(), "compare", m.group(), FLIP[m.group()]
    for m in PP_NUMBER.finditer(code):
        if re.fullmatch(r"(0|[1-9]\d*)[uUlL]*", m.group()):
            digits = re.match(r"\d+", m.group()).group()
            for value in (int(digits) + 1, int(digits) - 1):
                if value >= 0:
                    yield m.start(), "literal", digits, str(value)
    for m in re.finditer(r"(?<=\s)(&&|\|\|)(?=\s|$)", code):
        yield m.start(), "andor", m.group(), "||" if m.group() == "&&" else "&&"
    for m in re.finditer(r"\b(?:if|while)\s*(?:constexpr\s*)?\(", code):
        end = closing(code, m.end() - 1)
        cond = text[m.end():end] if end else ""
        if cond.strip() and ";" not in code[m.end():end] and not DECL.match(cond):
            yield m.end(), "negate", cond, f"!({cond})"
    for q in (i for i, c in enumerate(code) if c == "?"):
        start = ternary_start(code, q)
        cond = text[start:q].strip() if start is not None else ""
        if cond:
            col = text.index(cond, start)
            yield col, "negate", cond, f"!({cond})"
    if lone_statement(ln, prev):
        col = len(text) - len(text.lstrip())
        stmt = text[col:len(code.rstrip())]
        body = prev[-1:] not in ";{}:"  # the body of an if or a loop without braces
        # The body keeps an empty statement, and its two runs stay inside the condition.
        yield col, "delete", stmt, ";" if body else ""
        yield col, "duplicate", stmt, f"{{ {stmt} {stmt} }}" if body else f"{stmt} {stmt}"
    for m in TEXT_READ.finditer(code):
        for call in TRANSFORMS:
            yield m.end(), "transform", "", call
    for start, end in ln.strings:
        prefix = re.search(r"\w*$", text[:start]).group()
        body = text[start + 1:end - 1]
        letters = [k for k, c in enumerate(body) if c.isalpha() and body[k - 1:k] != "\\"]
        shown = any(ord(body[k]) > 127 for k in letters) or prefix == "u" \
            or re.search(r"QStringLiteral\(\s*$", code[:start])
        if letters and shown and not prefix.endswith("R") and end - start >= 2:
            yield start + 1 + letters[-1], "string", body[letters[-1]], ""


def generate(path, source):
    """Every mutant of one file, in the order of the text."""
    mutants, seen, prev = [], {}, ""
    lines = scan(source.split("\n"))
    for number, ln in enumerate(lines, 1):
        stripped = ln.text.strip()
        occurrence = seen[stripped] = seen.get(stripped, -1) + 1
        if ln.pp:
            continue
        indent = len(ln.text) - len(ln.text.lstrip())
        for col, op, old, new in edits(ln, prev):
            key = "\x1f".join([path, stripped, str(occurrence), op, str(col - indent), new])
            ident = hashlib.sha1(key.encode()).hexdigest()[:8]
            mutants.append(Mutant(ident, path, number, col, op, old, new, ln.text))
        if number < len(lines) and (swap := swapped(ln, lines[number], prev)):
            key = "\x1f".join([path, stripped, str(occurrence), "swap", *swap])
            ident = hashlib.sha1(key.encode()).hexdigest()[:8]
            mutants.append(Mutant(ident, path, number, indent, "swap", *swap, ln.text,
                                  lines[number].text))
        prev = ln.code.strip() or prev
    return mutants


def first_tests(file):
    """The tests FIRST_TESTS names for the longest folder or file path that holds `file`."""
    holders = [p for p in FIRST_TESTS if file == p or file.startswith(p + "/")]
    return FIRST_TESTS[max(holders, key=len)] if holders else FIRST_TESTS["*"]


def swapped(ln, nxt, prev):
    """The two statements of a line and the next when they can change places: both alone on
    their lines, in one block at one indent, the first no braceless body; else None."""
    first, second = ln.code.strip(), nxt.code.strip()
    indent = len(ln.text) - len(ln.text.lstrip())
    if first == second or prev[-1:] not in (";", "{", "}", ":") or nxt.pp \
            or indent != len(nxt.text) - len(nxt.text.lstrip()) \
            or not lone_statement(ln, prev) or not lone_statement(nxt, first):
        return None
    return ln.text[indent:len(ln.code.rstrip())], nxt.text[indent:len(nxt.code.rstrip())]


def select(mutants, sample=None, seed=0, only=None, ops=None):
    if only:
        return [m for m in mutants if m.id in only]
    if ops:
        mutants = [m for m in mutants if m.op in ops]
    if sample is None:
        return list(mutants)
    chosen = random.Random(seed).sample(list(mutants), min(sample, len(mutants)))
    return sorted(chosen, key=lambda m: (m.file, m.line, m.col, m.op, m.new))


def apply(source, mutant):
    lines = source.split("\n")
    line = lines[mutant.line - 1]
    assert line == mutant.text, f"{mutant.file}:{mutant.line} is not as generated"
    lines[mutant.line - 1] = line[:mutant.col] + mutant.new + line[mutant.col + len(mutant.old):]
    if mutant.op == "swap":
        nxt = lines[mutant.line]
        assert nxt == mutant.text2, f"{mutant.file}:{mutant.line + 1} is not as generated"
        lines[mutant.line] = nxt[:mutant.col] + mutant.old + nxt[mutant.col + len(mutant.new):]
    return "\n".join(lines)


def tracked_files(repo):
    """The files git tracks, and the new ones it would track: a refactoring adds sources
    before they are committed."""
    out = subprocess.run(["git", "-C", str(repo), "ls-files", "-z", "--cached", "--others",
                          "--exclude-standard"], capture_output=True, check=True).stdout.decode()
    return [name for name in out.split("\0") if name and (repo / name).is_file()]


def collect(root, files, folders):
    chosen = [f for f in files if f.endswith((".cpp", ".h"))
              and any(f == d or f.startswith(d + "/") for d in folders)]
    return [m for f in sorted(chosen)
            for m in generate(f, (root / f).read_bytes().decode("utf-8"))]


def read_equivalents(path):
    if not path.exists():
        return {}
    rows = (line.split(None, 2) for line in path.read_text(encoding="utf-8").splitlines()
            if line.strip() and not line.lstrip().startswith("#"))
    return {row[0]: row[-1] for row in rows}


def sh(cmd, cwd=None, timeout=None):
    """Runs cmd in a process group of its own, so a timeout or Ctrl-C takes all of it down."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    proc = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.PIPE,
                            stderr=subprocess.STDOUT, text=True, errors="replace",
                            start_new_session=True)
    try:
        out = proc.communicate(timeout=timeout)[0]
        return proc.returncode, out
    except subprocess.TimeoutExpired:
        stop(proc)
        return None, proc.communicate()[0]
    except BaseException:
        stop(proc)
        raise


def stop(proc):
    # Ninja runs each compiler in a group of its own and stops them only when asked politely.
    os.killpg(proc.pid, signal.SIGTERM)
    try:
        proc.wait(10)
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.wait()


class Tree:
    """The work copy of the repository and its one build."""

    def __init__(self, repo, work, jobs):
        self.work, self.build, self.jobs = work, work / "build", str(jobs)
        self.files = tracked_files(repo)
        for name in self.files:
            source, target = repo / name, work / name
            data = source.read_bytes()
            # Unchanged files keep their times, so the build stays incremental between runs.
            if not target.is_file() or target.read_bytes() != data:
                target.parent.mkdir(parents=True, exist_ok=True)
                target.write_bytes(data)
                shutil.copymode(source, target)

    def make(self, targets=()):
        if not (self.build / "CMakeCache.txt").exists():
            generator = ["-G", "Ninja"] if shutil.which("ninja") else []
            # A restored file compiles again from the cache: its object is what it was.
            if shutil.which("ccache"):
                generator.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
            code, out = sh(["cmake", "-S", str(self.work), "-B", str(self.build), *generator,
                            # Bounds checked, so a mutant reading past an array is caught.
                            "-DCMAKE_BUILD_TYPE=Debug",
                            "-DCMAKE_CXX_FLAGS=-O0 -g0 -D_GLIBCXX_ASSERTIONS",
                            # Debug appends its own -g after the flags above.
                            "-DCMAKE_CXX_FLAGS_DEBUG=-O0 -g0"])
            if code != 0:
                sys.exit("cmake could not configure the work tree:\n" + out[-3000:])
        target = ["--target", *targets] if targets else []
        return sh(["cmake", "--build", str(self.build), "-j", self.jobs, *target])

    def baseline(self):
        code, out = self.make()
        if code != 0:
            sys.exit("the unchanged sources do not build:\n" + out[-3000:])
        listing = sh(["ctest", "--test-dir", str(self.build), "-N"])[1]
        self.tests = re.findall(r"Test\s+#\d+: (\S+)", listing)
        code, out = sh(["ctest", "--test-dir", str(self.build), "-j", self.jobs])
        if code != 0:
            sys.exit("the unchanged sources fail their tests:\n" + out[-3000:])
        slowest = max(map(float, re.findall(r"Passed\s+([\d.]+) sec", out)), default=0.0)
        self.timeout = max(60, math.ceil(10 * slowest))
        print(f"baseline: {len(self.tests)} tests, slowest {slowest:.1f} s, "
              f"time limit {self.timeout} s a test", flush=True)

    def test(self, names):
        """The names of the tests that failed or ran over their time."""
        pattern = "^(" + "|".join(map(re.escape, names)) + ")$"
        # --timeout does not shorten a TIMEOUT the tests set for themselves; the guard does.
        guard = self.timeout * math.ceil(len(names) / int(self.jobs)) + 30
        code, out = sh(["ctest", "--test-dir", str(self.build), "-j", self.jobs, "--timeout",
                        str(self.timeout), "-R", pattern], timeout=guard)
        if code is None:
            done = set(re.findall(r"Test\s+#\d+: (\S+) \.+\s*Passed", out))
            return [f"{n}(timeout)" for n in names if n not in done]
        failed = re.findall(r"^\s*\d+ - (\S+) \((.+)\)$", out, re.M)
        return [n if why == "Failed" else f"{n}({why.lower()})" for n, why in failed] \
            or (["ctest"] if code else [])

    def run(self, mutant):
        """killed, SURVIVED or does not build, and the tests that killed the mutant."""
        path = self.work / mutant.file
        original = path.read_bytes()
        first = first_tests(mutant.file)
        if not set(first) <= set(self.tests):
            first = self.tests
        rest = [t for t in self.tests if t not in first]
        try:
            path.write_bytes(apply(original.decode("utf-8"), mutant).encode("utf-8"))
            if self.make([TARGETS.get(t, t) for t in first])[0] != 0:
                return "does not build", []
            if failed := self.test(first):
                return "killed", failed
            if not rest:
                return "SURVIVED", []
            if self.make()[0] != 0:
                return "does not build", []
            failed = self.test(rest)
            return ("killed", failed) if failed else ("SURVIVED", [])
        finally:
            path.write_bytes(original)
            # A restored file must look newer than the objects built from the mutant.
            now = time.time() + 1
            os.utime(path, (now, now))


def report(results):
    counts = {}
    for r in results:
        for key in (r["file"].split("/")[0], "all"):
            counts.setdefault(key, collections.Counter())[r["verdict"]] += 1
    print("\nscore: killed / run (equivalent and not-building mutants not counted)")
    for folder, c in sorted(counts.items(), key=lambda item: (item[0] == "all", item[0])):
        run = c["killed"] + c["SURVIVED"]
        score = f"{100 * c['killed'] / run:5.1f}%" if run else "    -"
        print(f"  {folder:12} {c['killed']:4} / {run:<4} {score}   equivalent "
              f"{c['equivalent']}, does not build {c['does not build']}")
    survivors = [r for r in results if r["verdict"] == "SURVIVED"]
    if survivors:
        print(f"\n{len(survivors)} survived:")
    for r in survivors:
        print(f"  {r['id']}  {r['file']}:{r['line']}  {r['op']}  {r['edit']}")


def result_line(m, verdict, seconds=0.0, killers=()):
    return {"id": m.id, "file": m.file, "line": m.line, "op": m.op, "edit": m.edit(),
            "verdict": verdict, "seconds": round(seconds, 1), "killed_by": list(killers)}


def show(r):
    print(f"{r['verdict']:14} {r['seconds']:6.0f}s  {','.join(r['killed_by']) or '-':24} "
          f"{r['id']}  {r['file']}:{r['line']}  {r['op']}  {r['edit']}", flush=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("folders", nargs="*", default=PRODUCTION)
    parser.add_argument("--list", action="store_true", help="print the mutants, build nothing")
    parser.add_argument("--sample", type=int, help="run N mutants chosen at random")
    parser.add_argument("--seed", type=int, default=0)
    parser.add_argument("--only", nargs="+", metavar="ID")
    parser.add_argument("--ops", nargs="+", metavar="OP", help="only these operators")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--repo", default=pathlib.Path(__file__).resolve().parent.parent)
    parser.add_argument("--work", default="/tmp/lab-mutants")
    parser.add_argument("--equivalent", help=f"default REPO/{EQUIVALENT}")
    parser.add_argument("--out", help="write the results as JSON lines")
    parser.add_argument("--resume", help="skip the mutants whose results are in this file")
    args = parser.parse_args()
    repo, work = pathlib.Path(args.repo).resolve(), pathlib.Path(args.work).resolve()
    folders = [f.strip("/") for f in args.folders]
    equivalents = read_equivalents(pathlib.Path(args.equivalent or repo / EQUIVALENT))

    if args.list:
        mutants = select(collect(repo, tracked_files(repo), folders), args.sample, args.seed,
                         args.only, args.ops)
        for m in mutants:
            mark = "  (equivalent)" if m.id in equivalents else ""
            print(f"{m.id}  {m.file}:{m.line}  {m.op:8} {m.edit()}{mark}")
        print(f"{len(mutants)} mutants")
        return

    # Started in the background, the tool may have inherited an ignored SIGINT.
    for number in (signal.SIGINT, signal.SIGTERM):
        signal.signal(number, signal.default_int_handler)
    done = {}
    if args.resume and os.path.exists(args.resume):
        with open(args.resume, encoding="utf-8") as rows:
            done = {r["id"]: r for r in map(json.loads, filter(str.strip, rows))}
    work.mkdir(parents=True, exist_ok=True)
    tree = Tree(repo, work, args.jobs)
    # Generated from the work copy: the repository may change while the run goes on.
    mutants = select(collect(work, tree.files, folders), args.sample, args.seed, args.only,
                     args.ops)
    missing = set(args.only or ()) - {m.id for m in mutants}
    if missing:
        print("no such mutant: " + " ".join(sorted(missing)))
    todo = [m for m in mutants if m.id not in equivalents and m.id not in done]
    print(f"{len(mutants)} mutants: {len(mutants) - len(todo)} equivalent or done before, "
          f"{len(todo)} to run", flush=True)
    out = open(args.out or os.devnull, "w", encoding="utf-8")
    for r in done.values():
        print(json.dumps(r, ensure_ascii=False), file=out, flush=True)
    results = [result_line(m, "equivalent") for m in mutants if m.id in equivalents]
    results += [done[m.id] for m in mutants if m.id in done and m.id not in equivalents]
    try:
        if todo:
            tree.baseline()
        for m in todo:
            start = time.time()
            verdict, killers = tree.run(m)
            results.append(result_line(m, verdict, time.time() - start, killers))
            show(results[-1])
            print(json.dumps(results[-1], ensure_ascii=False), file=out, flush=True)
    except KeyboardInterrupt:
        print("\ninterrupted; the work tree is restored")
    finally:
        out.close()
    report(results)


if __name__ == "__main__":
    main()
