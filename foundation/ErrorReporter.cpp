// SPDX-License-Identifier: MIT
#include "foundation/ErrorReporter.h"

#include <QMessageBox>

namespace {

ErrorReporter& currentReporter() {
    static ErrorReporter reporter;
    return reporter;
}

} // namespace

void showErrorBox(QWidget* parent, const QString& text, const QString& caption) {
    if (const ErrorReporter& reporter = currentReporter()) {
        reporter(parent, text, caption);
        return;
    }
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

ErrorReporter setErrorReporter(ErrorReporter reporter) {
    ErrorReporter previous = std::move(currentReporter());
    currentReporter() = std::move(reporter);
    return previous;
}
