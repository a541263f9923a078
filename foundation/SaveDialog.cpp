// SPDX-License-Identifier: MIT
#include "foundation/SaveDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace SaveDialog {

QString inDocuments(const QString& fileName) {
    QDir folder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (!folder.exists())
        folder = QDir::home();
    return folder.filePath(fileName);
}

QString ask(QWidget* parent, const QString& title, const QString& filter,
            const QString& proposedPath) {
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(proposedPath).suffix());
    dialog.selectFile(proposedPath);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace SaveDialog
