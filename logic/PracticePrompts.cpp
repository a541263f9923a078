// SPDX-License-Identifier: MIT
#include "logic/PracticePrompts.h"

namespace Practice {

void Prompts::registerRowTouched() {
    if (registerRed) {
        registerRed = false;
        registerGreen = true;
    }
    if (selectorGreen)
        promptNextField();
    else
        selectorRed = true;
}

void Prompts::selectorRowTouched() {
    selectorGreen = true;
    promptNextField();
}

void Prompts::uetTouched() {
    uet = FieldPrompt::Entered;
    if (comparator == FieldPrompt::None)
        comparator = FieldPrompt::Next;
}

void Prompts::comparatorTouched() {
    comparator = FieldPrompt::Entered;
}

Prompts Prompts::allOff() {
    Prompts off;
    off.registerRed = false;
    return off;
}

void Prompts::promptNextField() {
    if (uet == FieldPrompt::None)
        uet = FieldPrompt::Next;
    else if (comparator == FieldPrompt::None)
        comparator = FieldPrompt::Next;
}

} // namespace Practice
