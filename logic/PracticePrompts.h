// SPDX-License-Identifier: MIT
#pragma once

// The entry prompts of the coding practice: within one step, lamps over two blocks and the
// colours of two fields suggest the order register row, SegmentSelector row, U эт,
// Comparator. A cell counts as touched when a key is pressed in it or it is double-clicked;
// what is typed plays no part. The prompts check and count nothing.
namespace Practice {

// A field's colour: the button face until prompted, red for "enter this next", green once
// entered. Only a field still on the button face is ever prompted.
enum class FieldPrompt { None, Next, Entered };

struct Prompts {
    // The four lamps as shown; a new step starts with the red register lamp alone.
    bool registerRed = true;
    bool registerGreen = false;
    bool selectorRed = false;
    bool selectorGreen = false; // drawn over the red selector lamp
    FieldPrompt uet = FieldPrompt::None;
    FieldPrompt comparator = FieldPrompt::None;

    void registerRowTouched();
    void selectorRowTouched();
    void uetTouched();
    void comparatorTouched();

    // The finished run: every lamp off, both fields on the button face.
    static Prompts allOff();

    bool operator==(const Prompts&) const = default;

private:
    // Prompts U эт, or the Comparator once U эт is no longer on the button face.
    void promptNextField();
};

} // namespace Practice
