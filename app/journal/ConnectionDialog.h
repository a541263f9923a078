// SPDX-License-Identifier: MIT
#pragma once

#include "app/store/JournalSettings.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QSpinBox;

// Where the class journal is and as whom to read it. It starts from what the teacher gave the
// last time (kept in the user's own settings, everything but the password), else from the
// lab PCs' settings file with the teacher's role.
class ConnectionDialog : public QDialog {
    Q_OBJECT
public:
    explicit ConnectionDialog(QWidget* parent = nullptr);

    // The settings to connect with, the password typed included.
    JournalSettings login() const;

    // What the dialog starts from, and keeps what the teacher gave for the next time.
    static JournalSettings remembered();
    static void remember(const JournalSettings& login);

private:
    QLineEdit* host_;
    QSpinBox* port_;
    QLineEdit* database_;
    QLineEdit* user_;
    QLineEdit* password_;
    QComboBox* sslmode_;
    JournalSettings base_;
};
