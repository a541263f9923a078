// SPDX-License-Identifier: MIT
#pragma once

#include "logic/PracticePrompts.h"
#include "logic/PracticeSteps.h"
#include "widgets/DigitCell.h"
#include "workbench/SchematicPanel.h"

class Lamp;
class LinkLabel;
class NumericField;

// The schematic of the practice: one-digit cells the students fill, the U эт field they type
// the level into, the lamps that prompt the next entry, the two links and the result line of
// a finished run. A SegmentSelector cell is copied into both generator cells of its weight.
class PracticePanel : public SchematicPanel<DigitCell> {
public:
    explicit PracticePanel(QWidget* screen);

    NumericField* uetField() const { return uetField_; }
    LinkLabel* finalTestLink() const { return finalTestLink_; }
    LinkLabel* repeatLink() const { return repeatLink_; }
    Label* resultLine() const { return resultLine_; }

    // What the students have entered, as the judge reads it.
    Practice::Entries entries() const;
    // The entry prompts: the lamps shown and the colours of U эт and the Comparator cell.
    void showPrompts(const Practice::Prompts& prompts);
    // A new run: the whole schematic as at the start, every cell, the Comparator and U эт at
    // 0, both switches open.
    void resetForNewRun();
    // A finished run: nothing of the schematic stays, "Далее >>" included.
    void hideSchematic();

private:
    // What a run shows besides the cells and the switches: the picture, the status line, the
    // Uаим field, U эт, the Comparator and "Далее >>".
    void showParts(bool shown);
    void buildLamps();
    void wireMirrorRule();
    void setTabOrder();

    NumericField* uetField_ = nullptr;
    LinkLabel* finalTestLink_ = nullptr;
    LinkLabel* repeatLink_ = nullptr;
    Label* resultLine_ = nullptr;
    // Register red, register green, selector red, selector green.
    std::array<Lamp*, 4> lamps_{};
};
