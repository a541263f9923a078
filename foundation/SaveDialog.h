// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace SaveDialog {

// A file of that name in the user's documents folder, or in the home folder where there is
// none, as a dialog proposes it.
QString inDocuments(const QString& fileName);

// Where to save a file, asked in Qt's own dialog, the same on every desktop. It adds the
// suffix of the proposed path before it asks about replacing a file, so a name typed without
// one never replaces a file unasked. Empty when the user cancels.
QString ask(QWidget* parent, const QString& title, const QString& filter,
            const QString& proposedPath);

} // namespace SaveDialog
