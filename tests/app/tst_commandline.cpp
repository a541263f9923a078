// SPDX-License-Identifier: MIT
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Every program as a user calls it, on a machine without a display: an answer that needed a
// window would end in Qt's fatal error instead.
class TestCommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void answers_data();
    void answers();
};

void TestCommandLine::answers_data() {
    for (const char* column : {"program", "arguments", "exitCode", "said"})
        QTest::addColumn<QString>(column);
    const auto row = [](const QString& program, const QString& arguments, int exitCode,
                        const QString& said) {
        QTest::addRow("%s %s", qPrintable(QFileInfo(program).fileName()), qPrintable(arguments))
            << program << arguments << QString::number(exitCode) << said;
    };
    const QStringList programs = QStringLiteral(LAB_PROGRAMS).split(u'|');
    for (const QString& program : programs) {
        const QString name = QFileInfo(program).fileName();
        row(program, "--help", 0, "Использование: " + name + " [ПАРАМЕТР]...");
        row(program, "--version", 0, name + " (Нелинейный кодер) " LAB_VERSION "\n");
        row(program, "--verbose", 2,
            name + ": неизвестный параметр «--verbose»\nСправка: " + name + " --help\n");
    }
    row(programs[0], "-h", 0, "  --send-results  отправить ждущие результаты в журнал группы");
    row(programs[0], "--send-results", 1, "failed other");
    row(programs[0], "--send-results now", 2, "nonlinear-coder-lab: лишний аргумент «now»");
    if (programs.size() < 3) // the developer tools are not built
        return;
    row(programs[1], "shots one two", 2, "render_screens: лишний аргумент «two»");
    row(programs[2], "--child", 2, "не указано значение параметра «--child»");
    row(programs[2], "5 --child bare --version", 0, "startup_bench (Нелинейный кодер)");
}

void TestCommandLine::answers() {
    QFETCH(QString, program);
    QFETCH(QString, arguments);
    QFETCH(QString, exitCode);
    QFETCH(QString, said);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.remove(QStringLiteral("DISPLAY"));
    QTemporaryDir home; // no class journal set up, and nothing of the user's touched
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME"})
        environment.insert(QString::fromLatin1(name), home.path());
    process.setProcessEnvironment(environment);
    process.start(program, arguments.split(u' '));
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(QString::number(process.exitCode()), exitCode);
    const QByteArray out = process.readAllStandardOutput();
    const QByteArray err = process.readAllStandardError();
    QCOMPARE(exitCode == QLatin1String("2") ? out : err, ""); // refusals go to stderr alone
    QVERIFY(QString::fromUtf8(out + err).contains(said));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
