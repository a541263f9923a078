// SPDX-License-Identifier: MIT
#include "workbench/DemonstrationPanel.h"

#include "widgets/Controls.h"

DemonstrationPanel::DemonstrationPanel(QWidget* screen) : SchematicPanel(screen) {
    // Drawing order: picture, status line, switches, U эт field, cells, link, Uаим field.
    buildPicture();
    buildStatusLine(QStringLiteral("Введите значение Uаим"));
    buildSwitches();
    uetLabel_ = makeLabel(screen, "Label2", {420, 52}, QStringLiteral("0"));
    buildCells();
    practiceLink_ = makeLink(screen, "RzURLLabel1", {360, 491},
                             QStringLiteral("Перейти к практике кодирования >>"));
    buildUaimField("Label34");
    buildStepButton("LMDButton2", {256, 488, 75, 25}, QStringLiteral("Далее>>"));
}

void DemonstrationPanel::setReferences(Row row, const Coder::TReferenceSet& references) {
    const QList<Label*>& cells = this->row(row);
    for (std::size_t i = 0; i < Coder::kReferenceWeights.size(); ++i)
        cells[int(i)]->setText(references.on[i] ? QStringLiteral("1") : QStringLiteral("0"));
}

void DemonstrationPanel::resetForNewRun() {
    uetLabel_->setText(QStringLiteral("0"));
    clearCells();
}
