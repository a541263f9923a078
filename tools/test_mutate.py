#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks the mutant generator of mutate.py on small C++ texts; builds nothing.

Usage: python3 tools/test_mutate.py
"""
import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import mutate  # noqa: E402

SOURCE = """\
#include <vector>
// a < b && c == 1 in a comment
std::array<int, 3> table{};

void f(int a, int b, int c) {
    if (a < b && c == 1) foo();
    widget->hide();
    int d = c > 0 ? a : b;
    const char* s = "Привет";
    w->setText(QStringLiteral("Next"), "plain");
    while (a != b)
        ++a;
}
"""


def mutated_lines(source):
    """(operator, line number, the line as mutated) of every mutant."""
    return {(m.op, m.line, mutate.apply(source, m).split("\n")[m.line - 1].strip())
            for m in mutate.generate("x.cpp", source)}


class GeneratorTest(unittest.TestCase):
    def test_exact_mutants(self):
        self.assertEqual(mutated_lines(SOURCE), {
            ("literal", 3, "std::array<int, 4> table{};"),
            ("literal", 3, "std::array<int, 2> table{};"),
            ("compare", 6, "if (a <= b && c == 1) foo();"),
            ("compare", 6, "if (a < b && c != 1) foo();"),
            ("andor", 6, "if (a < b || c == 1) foo();"),
            ("literal", 6, "if (a < b && c == 2) foo();"),
            ("literal", 6, "if (a < b && c == 0) foo();"),
            ("negate", 6, "if (!(a < b && c == 1)) foo();"),
            ("delete", 7, ""),
            ("duplicate", 7, "widget->hide(); widget->hide();"),
            ("compare", 8, "int d = c >= 0 ? a : b;"),
            ("literal", 8, "int d = c > 1 ? a : b;"),
            ("negate", 8, "int d = !(c > 0) ? a : b;"),
            ("string", 9, 'const char* s = "Приве";'),
            ("string", 10, 'w->setText(QStringLiteral("Nex"), "plain");'),
            ("delete", 10, ""),
            ("duplicate", 10, 'w->setText(QStringLiteral("Next"), "plain"); '
                              'w->setText(QStringLiteral("Next"), "plain");'),
            ("compare", 11, "while (a == b)"),
            ("negate", 11, "while (!(a != b))"),
            ("delete", 12, ";"),  # the loop keeps an empty body
            ("duplicate", 12, "{ ++a; ++a; }"),  # both runs in the loop
        })

    def test_steps_added_to_what_is_written(self):
        source = ("void g() {\n    label->setText(edit->text());\n    edit->clear();\n"
                  "    int n = 0;\n    if (edit->selectedText().isEmpty())\n        ++n;\n}\n")
        added = {(m.op, mutate.apply(source, m)) for m in mutate.generate("x.cpp", source)
                 if m.op in ("transform", "swap")}
        lines = source.split("\n")

        def with_lines(**changed):
            return "\n".join(changed.get(f"l{i}", line) for i, line in enumerate(lines))

        read = "    label->setText(edit->text(){});"
        chosen = "    if (edit->selectedText(){}.isEmpty())"
        self.assertEqual(added, {
            *{("transform", with_lines(l1=read.format(call))) for call in mutate.TRANSFORMS},
            *{("transform", with_lines(l4=chosen.format(call))) for call in mutate.TRANSFORMS},
            ("swap", with_lines(l1="    edit->clear();",
                                l2="    label->setText(edit->text());")),
        })

    def test_templates_casts_and_operators_are_left_alone(self):
        line = "bool operator<(const A& x) const { return static_cast<int>(x.v) >> %d; }"
        source = line % 2 + "\nstd::map<K, std::vector<int>> m; auto p = q->r, s = t <=> u;\n"
        self.assertEqual(mutated_lines(source),
                         {("literal", 1, line % 3), ("literal", 1, line % 1)})

    def test_ids_survive_an_unrelated_edit_above(self):
        before = {(m.id, m.op, m.new) for m in mutate.generate("x.cpp", SOURCE)}
        moved = mutate.generate("x.cpp", "#include <cmath>\nint g = 7;\n" + SOURCE)
        after = {(m.id, m.op, m.new) for m in moved if m.line > 2}
        self.assertEqual(before, after)
        self.assertEqual(len(before), len({m.id for m in moved if m.line > 2}))

    def test_the_same_line_twice_gets_two_ids(self):
        mutants = [m for m in mutate.generate("x.cpp", "void f() {\n    ++a;\n    ++a;\n}\n")
                   if m.op == "delete"]
        self.assertEqual([m.line for m in mutants], [2, 3])
        self.assertNotEqual(mutants[0].id, mutants[1].id)

    def test_a_sample_depends_only_on_the_seed(self):
        mutants = mutate.generate("x.cpp", SOURCE)
        first = mutate.select(mutants, sample=5, seed=3)
        self.assertEqual([m.id for m in first],
                         [m.id for m in mutate.select(mutants, sample=5, seed=3)])
        self.assertEqual(len({m.id for m in first}), 5)
        self.assertNotEqual([m.id for m in first],
                            [m.id for m in mutate.select(mutants, sample=5, seed=4)])


if __name__ == "__main__":
    unittest.main()
