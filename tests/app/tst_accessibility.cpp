// SPDX-License-Identifier: MIT
#include "LabTestSupport.h"

#include "app/LabFrame.h"
#include "screens/Unit1.h"
#include "screens/Unit4.h"
#include "screens/Unit6.h"
#include "screens/Unit7.h"
#include "screens/Unit9.h"
#include "widgets/LinkLabel.h"
#include "widgets/Picture.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>

// What a screen reader is told, screen by screen: links as links it can take, every text
// once, fields and pictures named.

namespace {

void collect(QAccessibleInterface* node, QList<QAccessibleInterface*>& all) {
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface* child = node->child(i)) {
            all << child;
            collect(child, all);
        }
    }
}

QList<QAccessibleInterface*> tree(QWidget* screen) {
    QList<QAccessibleInterface*> all;
    collect(QAccessible::queryAccessibleInterface(screen), all);
    return all;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyScreen_data();
    void everyScreen();
    void titleSaysEachLineOnceAndItsLinkActs();
    void practiceCellsSayWhatTheyAre();
};

void TestAccessibility::everyScreen_data() {
    QTest::addColumn<QString>("screen");
    for (const char* name :
         {"Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8", "Form9"})
        QTest::newRow(name) << name;
}

void TestAccessibility::everyScreen() {
    QFETCH(QString, screen);
    prepareLab();
    ScriptedDraws draws;
    draws.setFallback(0);
    LabFrame frame;
    control<QLineEdit>(Form9, "Edit1")->setText(QStringLiteral("5"));
    LabScreen* form = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == screen)
            form = static_cast<LabScreen*>(top);
    form->showScreen();
    QList<QObject*> seen;
    for (QAccessibleInterface* node : tree(form)) {
        seen << node->object();
        QVERIFY(!LabScreen::isDecorative(static_cast<QWidget*>(node->object())));
        const QString name = node->text(QAccessible::Name);
        if (qobject_cast<LinkLabel*>(node->object())) {
            QCOMPARE(node->role(), QAccessible::Link);
            QCOMPARE(name, static_cast<LinkLabel*>(node->object())->text());
            QVERIFY(node->state().focusable);
            QVERIFY(node->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
        } else if (qobject_cast<QLineEdit*>(node->object())) {
            QVERIFY2(!name.isEmpty(), qPrintable(node->object()->objectName()));
        } else if (auto* picture = qobject_cast<Picture*>(node->object())) {
            QCOMPARE(node->role(), QAccessible::Graphic);
            QVERIFY2(!name.isEmpty(), qPrintable(picture->objectName()));
            // The switch pictures say their state in their name; the others describe.
            const bool switchPicture =
                (screen == QLatin1String("Form5") || screen == QLatin1String("Form6")) &&
                picture->objectName() != QLatin1String("Image1");
            QVERIFY2(switchPicture || !node->text(QAccessible::Description).isEmpty(),
                     qPrintable(picture->objectName()));
        }
    }
    for (LinkLabel* link : form->findChildren<LinkLabel*>())
        QVERIFY2(seen.contains(link), qPrintable(link->objectName()));
}

void TestAccessibility::titleSaysEachLineOnceAndItsLinkActs() {
    prepareLab();
    LabFrame frame;
    frame.start();
    QStringList names;
    QAccessibleInterface* link = nullptr;
    for (QAccessibleInterface* node : tree(Form1)) {
        names << node->text(QAccessible::Name);
        if (node->role() == QAccessible::Link)
            link = node;
    }
    QCOMPARE(names.count(QStringLiteral("Лабораторно-практическое занятие")), 1);
    QCOMPARE(names.count(QStringLiteral("\"Изучение работы нелинейного кодера\"")), 1);
    QVERIFY(link);
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(showing(), "Form7");
}

void TestAccessibility::practiceCellsSayWhatTheyAre() {
    prepareLab();
    LabFrame frame;
    const QList<std::pair<const char*, QString>> cells{
        {"Edit6", "ГЭН1 128"},  {"Edit33", "ГЭН2 1"}, {"Edit43", "БВС 1024"},
        {"Edit14", "ЦР P"},     {"Edit21", "ЦР D"},   {"Edit22", "Выход компаратора"},
        {"RxCalcEdit1", "U эт"}};
    for (const auto& [cell, name] : cells)
        QCOMPARE(
            QAccessible::queryAccessibleInterface(control(Form6, cell))->text(QAccessible::Name),
            name);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
