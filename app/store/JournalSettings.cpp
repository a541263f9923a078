// SPDX-License-Identifier: MIT
#include "app/store/JournalSettings.h"

#include <QSettings>
#include <QStringList>

#include <memory>
#include <optional>

namespace {

const QStringList kKeys{QStringLiteral("host"),        QStringLiteral("port"),
                        QStringLiteral("database"),    QStringLiteral("user"),
                        QStringLiteral("password"),    QStringLiteral("passfile"),
                        QStringLiteral("service"),     QStringLiteral("sslmode"),
                        QStringLiteral("sslrootcert"), QStringLiteral("connect_timeout")};
const QStringList kSslModes{QStringLiteral("disable"),   QStringLiteral("allow"),
                            QStringLiteral("prefer"),    QStringLiteral("require"),
                            QStringLiteral("verify-ca"), QStringLiteral("verify-full")};

// A whole number within bounds, or nothing.
std::optional<int> wholeIn(const QString& text, int lowest, int highest) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= lowest && n <= highest ? std::optional<int>(n) : std::nullopt;
}

// libpq reads a value in single quotes with backslashes and quotes escaped.
QString quoted(const QString& value) {
    QString escaped = value;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

} // namespace

JournalSettings JournalSettings::installed() {
    const auto scope = [](QSettings::Scope scope) {
        return std::make_unique<QSettings>(QSettings::NativeFormat, scope,
                                           QStringLiteral("nonlinear-coder-lab"),
                                           QStringLiteral("class-journal"));
    };
    const auto user = scope(QSettings::UserScope);
    JournalSettings journal = read(*user); // the system's file behind it, key by key
    user->setFallbacksEnabled(false);
    if (!user->childGroups().contains(QStringLiteral("server")))
        journal.file = scope(QSettings::SystemScope)->fileName();
    return journal;
}

JournalSettings JournalSettings::read(QSettings& settings) {
    JournalSettings journal;
    journal.file = settings.fileName();
    if (settings.status() == QSettings::FormatError) {
        journal.state = State::Invalid;
        journal.problem = QStringLiteral("файл настроек нельзя прочитать");
        return journal;
    }
    settings.beginGroup(QStringLiteral("server"));
    const QStringList given = settings.allKeys();
    settings.endGroup();
    if (given.isEmpty())
        return journal;
    const auto text = [&settings](const char* key) {
        return settings.value(QStringLiteral("server/") + QLatin1String(key)).toString().trimmed();
    };
    const auto invalid = [&journal](const QString& problem) {
        journal.state = State::Invalid;
        journal.problem = problem;
        return journal;
    };
    for (const QString& key : given)
        if (!kKeys.contains(key))
            return invalid(QStringLiteral("неизвестный ключ %1").arg(key));
    journal.host = text("host");
    journal.database = text("database");
    journal.user = text("user");
    journal.password = settings.value(QStringLiteral("server/password")).toString();
    journal.passfile = text("passfile");
    journal.service = text("service");
    journal.sslmode = text("sslmode");
    journal.sslrootcert = text("sslrootcert");
    if (journal.service.isEmpty())
        for (const auto& [key, value] : {std::pair{"host", journal.host},
                                         {"database", journal.database},
                                         {"user", journal.user}})
            if (value.isEmpty())
                return invalid(QStringLiteral("не задан ключ %1").arg(QLatin1String(key)));
    if (given.contains(QStringLiteral("port"))) {
        const std::optional<int> port = wholeIn(text("port"), 1, 65535);
        if (!port)
            return invalid(QStringLiteral("port должен быть числом от 1 до 65535"));
        journal.port = *port;
    }
    if (given.contains(QStringLiteral("connect_timeout"))) {
        const std::optional<int> timeout = wholeIn(text("connect_timeout"), 1, 60);
        if (!timeout)
            return invalid(QStringLiteral("connect_timeout должен быть числом секунд от 1 до 60"));
        journal.connectTimeout = *timeout;
    }
    if (!journal.sslmode.isEmpty() && !kSslModes.contains(journal.sslmode))
        return invalid(QStringLiteral("sslmode должен быть одним из: %1")
                           .arg(kSslModes.join(QStringLiteral(", "))));
    journal.state = State::Valid;
    return journal;
}

QString JournalSettings::connectOptions() const {
    QStringList options{QStringLiteral("connect_timeout=%1").arg(connectTimeout),
                        QStringLiteral("application_name=nonlinear-coder-lab")};
    for (const auto& [key, value] : {std::pair{"sslmode", sslmode},
                                     {"sslrootcert", sslrootcert},
                                     {"passfile", passfile},
                                     {"service", service}})
        if (!value.isEmpty())
            options << QLatin1String(key) + QLatin1Char('=') + quoted(value);
    return options.join(QLatin1Char(';'));
}

QSqlDatabase JournalSettings::addConnection(const QString& name) const {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    db.setHostName(host);
    db.setPort(port);
    db.setDatabaseName(database);
    db.setUserName(user);
    db.setPassword(password);
    db.setConnectOptions(connectOptions());
    return db;
}
