// SPDX-License-Identifier: MIT
#include "app/journal/ConnectionDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>

#include <memory>

namespace {

// The view's own, in the user's settings folder beside the lab's class-journal.conf.
std::unique_ptr<QSettings> ownSettings() {
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                QStringLiteral("nonlinear-coder-lab"),
                                                QStringLiteral("journal-view"));
    settings->beginGroup(QStringLiteral("server"));
    return settings;
}

QLineEdit* field(const QString& text, const QString& name) {
    auto* edit = new QLineEdit(text);
    edit->setAccessibleName(name);
    return edit;
}

} // namespace

ConnectionDialog::ConnectionDialog(QWidget* parent) : QDialog(parent), base_(remembered()) {
    setWindowTitle(QStringLiteral("Журнал группы на сервере"));
    host_ = field(base_.host, QStringLiteral("Сервер"));
    port_ = new QSpinBox;
    port_->setRange(1, 65535);
    port_->setValue(base_.port);
    port_->setAccessibleName(QStringLiteral("Порт"));
    database_ = field(base_.database, QStringLiteral("База данных"));
    user_ = field(base_.user, QStringLiteral("Роль"));
    password_ = field(QString(), QStringLiteral("Пароль"));
    password_->setEchoMode(QLineEdit::Password);
    sslmode_ = new QComboBox;
    sslmode_->setAccessibleName(QStringLiteral("Шифрование"));
    sslmode_->addItem(QStringLiteral("по умолчанию (prefer)"), QString());
    for (const char* mode : {"disable", "allow", "prefer", "require", "verify-ca", "verify-full"})
        sslmode_->addItem(QString::fromLatin1(mode), QString::fromLatin1(mode));
    sslmode_->setCurrentIndex(std::max(0, sslmode_->findData(base_.sslmode)));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Сервер:"), host_);
    form->addRow(QStringLiteral("П&орт:"), port_);
    form->addRow(QStringLiteral("&База данных:"), database_);
    form->addRow(QStringLiteral("&Роль:"), user_);
    form->addRow(QStringLiteral("&Пароль:"), password_);
    form->addRow(QStringLiteral("&Шифрование:"), sslmode_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Подключиться"));
    // The style's button pictures are bitmaps, blurred when scaled for a dense screen.
    for (QAbstractButton* button : buttons->buttons())
        button->setIcon(QIcon());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    host_->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 36);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    // Most often only the password is left to type.
    (base_.host.isEmpty() ? host_ : password_)->setFocus();
}

JournalSettings ConnectionDialog::login() const {
    JournalSettings login = base_;
    login.state = JournalSettings::State::Valid;
    login.host = host_->text().trimmed();
    login.port = port_->value();
    login.database = database_->text().trimmed();
    login.user = user_->text().trimmed();
    login.password = password_->text();
    login.sslmode = sslmode_->currentData().toString();
    return login;
}

JournalSettings ConnectionDialog::remembered() {
    JournalSettings login = JournalSettings::installed();
    if (login.state != JournalSettings::State::Valid)
        login = JournalSettings();
    // The lab PCs' file names the writer and its password; the teacher reads as a role of
    // their own.
    login.user = QStringLiteral("lab_teacher");
    login.password.clear();
    login.passfile.clear();
    login.service.clear();
    const auto own = ownSettings();
    if (own->contains(QStringLiteral("host"))) {
        login.host = own->value(QStringLiteral("host")).toString();
        login.port = own->value(QStringLiteral("port"), login.port).toInt();
        login.database = own->value(QStringLiteral("database")).toString();
        login.user = own->value(QStringLiteral("user")).toString();
        login.sslmode = own->value(QStringLiteral("sslmode")).toString();
    }
    return login;
}

void ConnectionDialog::remember(const JournalSettings& login) {
    const auto own = ownSettings();
    own->setValue(QStringLiteral("host"), login.host);
    own->setValue(QStringLiteral("port"), login.port);
    own->setValue(QStringLiteral("database"), login.database);
    own->setValue(QStringLiteral("user"), login.user);
    own->setValue(QStringLiteral("sslmode"), login.sslmode);
}
