// SPDX-License-Identifier: MIT
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Each row's name is a command, run with no display and no class journal set up: an answer
// that opened a window would end in Qt's fatal error. The help texts are approved as pictures.
class TestCommandLine : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private Q_SLOTS:
    void initTestCase() {
        qputenv("QT_QPA_PLATFORM", "xcb");
        qunsetenv("DISPLAY");
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME"})
            qputenv(name, QFile::encodeName(home_.path()));
    }
    void answers_data() {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::newRow("nonlinear-coder-lab -h") << 0 << QStringLiteral("\n  --send-results  ");
        QTest::newRow("nonlinear-coder-lab --send-results") << 1 << QStringLiteral("failed");
        QTest::newRow("nonlinear-coder-lab -platform")
            << 2 << QStringLiteral("параметр «-platform»\nСправка: nonlinear-coder-lab --help\n");
        QTest::newRow("nonlinear-coder-lab --send-results now") << 2 << QStringLiteral("«now»");
        QTest::newRow("nonlinear-coder-journal --server")
            << 2 << QStringLiteral("параметр «--server»");
        QTest::newRow("render_screens a b c") << 2 << QStringLiteral("лишний аргумент «c»");
        QTest::newRow("startup_bench --child") << 2 << QStringLiteral("значение параметра");
        QTest::newRow("startup_bench 5 --child bare --version") << 0 << QStringLiteral(LAB_VERSION);
    }
    void answers() {
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        QStringList arguments = QString::fromUtf8(QTest::currentDataTag()).split(u' ');
        const QString name = arguments.takeFirst();
        const QString program =
            QStandardPaths::findExecutable(name, QStringLiteral(LAB_PROGRAM_DIRS).split(u'|'));
        if (program.isEmpty() && !name.startsWith(QLatin1String("nonlinear-coder-")))
            QSKIP("the developer tools are not built");
        QProcess process;
        process.start(program, arguments);
        QVERIFY(process.waitForFinished() && process.exitStatus() == QProcess::NormalExit);
        QCOMPARE(process.exitCode(), exitCode);
        const QByteArray out = process.readAllStandardOutput(),
                         err = process.readAllStandardError();
        QCOMPARE(exitCode == 2 ? out : err, ""); // refusals go to stderr alone
        QVERIFY(QString::fromUtf8(out + err).contains(said));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
