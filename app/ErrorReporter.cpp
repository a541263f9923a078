#include "app/ErrorReporter.h"

#include <QMessageBox>

namespace {

ErrorReporter& CurrentReporter() {
    static ErrorReporter reporter;
    return reporter;
}

} // namespace

void ShowErrorBox(QWidget* parent, const QString& text, const QString& caption) {
    if (const ErrorReporter& reporter = CurrentReporter()) {
        reporter(parent, text, caption);
        return;
    }
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

ErrorReporter SetErrorReporter(ErrorReporter reporter) {
    ErrorReporter previous = std::move(CurrentReporter());
    CurrentReporter() = std::move(reporter);
    return previous;
}
