// SPDX-License-Identifier: MIT
#pragma once

#include "coder/CoderModel.h"
#include "widgets/Label.h"
#include "workbench/SchematicPanel.h"

class LinkLabel;

// The schematic of the demonstration: label cells the program fills tact by tact, the U эт
// field as a label and the link on to the practice.
class DemonstrationPanel : public SchematicPanel<Label> {
public:
    explicit DemonstrationPanel(QWidget* screen);

    Label* uetLabel() const { return uetLabel_; }
    LinkLabel* practiceLink() const { return practiceLink_; }

    // A row's cells: "1" for each reference switched on, "0" for the others.
    void setReferences(Row row, const Coder::TReferenceSet& references);
    // A new value: U эт and every cell at "0", both switches open and both generator rows
    // shown. The Comparator cell keeps its last text and stays as it was.
    void resetForNewRun();

private:
    Label* uetLabel_ = nullptr;
    LinkLabel* practiceLink_ = nullptr;
};
