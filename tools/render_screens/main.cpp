// SPDX-License-Identifier: MIT
// Renders every screen, and the interesting states of the busy ones, to PNG files:
//   QT_QPA_PLATFORM=offscreen ./render_screens [output-directory] [name-filter]
#include "ShotRegistry.h"

#include "app/LabFrame.h"
#include "foundation/CommandLine.h"
#include "foundation/ErrorReporter.h"
#include "foundation/LabStyle.h"
#include "logic/RandomDraw.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTextStream>

#include <random>

std::vector<ShotEntry>& shotRegistry() {
    static std::vector<ShotEntry> registry;
    return registry;
}

void ShotContext::save(QWidget* widget, const QString& name) const {
    const QString path = QDir(directory).filePath(name + QStringLiteral(".png"));
    widget->grab().save(path);
    QTextStream(stdout) << path << '\n';
}

namespace {

void listSpoken(QAccessibleInterface* node, int depth, QByteArray& lines) {
    lines += QByteArray(depth * 2, ' ') + QByteArray::number(node->role()) + " | " +
             node->text(QAccessible::Name).toUtf8() + " | " +
             node->text(QAccessible::Description).toUtf8() + '\n';
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i))
            listSpoken(child, depth + 1, lines);
}

} // namespace

void ShotContext::saveSpoken(QWidget* widget, const QString& name) const {
    QByteArray spoken;
    listSpoken(QAccessible::queryAccessibleInterface(widget), 0, spoken);
    QFile file(QDir(directory).filePath(QStringLiteral("spoken_") + name + ".txt"));
    if (file.open(QIODevice::WriteOnly))
        file.write(spoken);
}

namespace {

const CommandLine::Usage kUsage{
    "render_screens",
    "[ПАПКА [ФИЛЬТР]]",
    2,
    "Рисует каждый экран занятия и состояния экранов кодера в файлы PNG в ПАПКЕ (shots, если\n"
    "она не названа); с ФИЛЬТРОМ только те снимки, в имени которых он есть. Инструмент\n"
    "разработчика: QT_QPA_PLATFORM=offscreen render_screens shots",
    {}};

} // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> exitCode = CommandLine::answer(argc, argv, kUsage))
        return *exitCode;
    QApplication app(argc, argv);
    LabStyle::setUpApplication(app);
    const QStringList args = QApplication::arguments();
    ShotContext context{args.size() > 1 ? args[1] : QStringLiteral("shots")};
    const QString filter = args.size() > 2 ? args[2] : QString();
    QDir().mkpath(context.directory);
    // A finished test writes its journal line where the tests' go, not into the user's.
    QStandardPaths::setTestModeEnabled(true);
    // A modal box would wait for a click that never comes; say what it would have shown.
    setErrorReporter([](QWidget*, const QString& text, const QString& caption) {
        QTextStream(stderr) << "error box: " << caption << ": " << text << '\n';
    });
    // The same draws every time, so two renders of the same sources are the same pictures.
    setRandomSource([generator = std::mt19937(1)](int n) mutable {
        return std::uniform_int_distribution<int>(0, n - 1)(generator);
    });
    for (const ShotEntry& entry : shotRegistry())
        if (filter.isEmpty() || entry.name.contains(filter))
            entry.render(context);
    return 0;
}
