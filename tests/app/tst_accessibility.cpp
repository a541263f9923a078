#include "LabTestSupport.h"

#include "foundation/LabScreen.h"
#include "widgets/LinkLabel.h"
#include "widgets/RadioGroup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

// A screen reader names every control a student uses: its caption or the text of its label.
class TestAccessibility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }
    void everyControlHasAName_data();
    void everyControlHasAName();
};

void TestAccessibility::everyControlHasAName_data() {
    QTest::addColumn<int>("screen");
    for (int n = 1; n <= 9; ++n)
        QTest::addRow("Form%d", n) << n;
}

void TestAccessibility::everyControlHasAName() {
    QFETCH(int, screen);
    ScriptedDraws draws;
    draws.setFallback(1);
    LabFrame frame;
    QWidget* form = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QStringLiteral("Form%1").arg(screen))
            form = widget;
    QVERIFY(form);
    QStringList unnamed;
    for (QWidget* control : form->findChildren<QWidget*>()) {
        const bool used = qobject_cast<QAbstractButton*>(control) ||
                          qobject_cast<QLineEdit*>(control) ||
                          qobject_cast<QPlainTextEdit*>(control) ||
                          qobject_cast<LinkLabel*>(control) || qobject_cast<QGroupBox*>(control);
        // Qt's own inner parts (scroll bars, viewports) carry no name of ours.
        if (used && !control->objectName().isEmpty() && control->accessibleName().isEmpty() &&
            (!qobject_cast<QGroupBox*>(control) ||
             qobject_cast<QGroupBox*>(control)->title().isEmpty()))
            unnamed << control->objectName();
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
