// SPDX-License-Identifier: MIT
#include "app/journal/JournalWindow.h"

#include "app/journal/ConnectionDialog.h"
#include "app/journal/ResultsExport.h"
#include "app/journal/ResultsFilterModel.h"
#include "app/journal/ResultsModel.h"
#include "app/journal/SummaryReport.h"
#include "app/journal/SummaryView.h"
#include "foundation/ErrorReporter.h"
#include "foundation/SaveDialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace {

// A load that ends sooner shows no progress bar: a flash of one reads as a glitch.
constexpr int kProgressDelayMs = 300;

QDate dateOf(qint64 day) {
    return QDate(int(day / 10000), int(day / 100 % 100), int(day % 100));
}

QString dayText(QDate date) {
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace

JournalWindow::JournalWindow(QWidget* parent)
    : QMainWindow(parent), results_(new ResultsModel(this)),
      shown_(new ResultsFilterModel(results_, this)), table_(new QTableView),
      summary_(new SummaryView), tabs_(new QTabWidget), progress_(new QProgressBar) {
    setWindowTitle(QStringLiteral("Журнал лабораторной работы"));
    setWindowIcon(QIcon(QStringLiteral(":/nonlinear-coder-journal.svg")));
    table_->setObjectName(QStringLiteral("results"));
    table_->setAccessibleName(QStringLiteral("Результаты"));
    table_->setModel(shown_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(ResultsModel::When, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    table_->horizontalHeader()->setStretchLastSection(true);
    tabs_->addTab(table_, QStringLiteral("&Результаты"));
    tabs_->addTab(summary_, QStringLiteral("Ошибки &группы"));

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildBanner());
    layout->addWidget(buildFilterBar());
    layout->addWidget(tabs_, 1);
    setCentralWidget(central);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setAccessibleName(QStringLiteral("Загрузка результатов"));
    progress_->setMaximumWidth(240);
    progress_->hide();
    statusBar()->addPermanentWidget(progress_);
    buildMenus();
    // The keyboard's way follows the eye: the banner's buttons, the filter, the tabs, the page.
    summary_->setFocusProxy(summary_->findChild<QWidget*>(QStringLiteral("questionTable")));
    QList<QWidget*> chain;
    for (QPushButton* button : banner_->findChildren<QPushButton*>())
        chain << button;
    chain << period_ << from_ << to_ << name_ << tabs_ << table_ << summary_;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    connect(&watcher_, &QFutureWatcher<std::shared_ptr<Outcome>>::finished, this,
            &JournalWindow::loadEnded);
    connect(&watcher_, &QFutureWatcher<std::shared_ptr<Outcome>>::progressRangeChanged, progress_,
            &QProgressBar::setRange);
    connect(&watcher_, &QFutureWatcher<std::shared_ptr<Outcome>>::progressValueChanged, progress_,
            &QProgressBar::setValue);
    tell(QStringLiteral("Откройте журнал группы на сервере или файлы results.csv, собранные с "
                        "компьютеров лаборатории."),
         false);
    shownChanged();
    resize(1100, 700);
    // Nothing is shown yet: the first thing to do is to open something.
    serverButton_->setFocus();
}

JournalWindow::~JournalWindow() = default;

void JournalWindow::buildMenus() {
    const auto action = [this](QMenu* menu, const QString& text, const QKeySequence& keys,
                               auto slot) {
        QAction* added = menu->addAction(text, this, slot);
        added->setShortcut(keys);
        return added;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Файл"));
    loadActions_ = {
        action(file, QStringLiteral("&Журнал группы на сервере…"),
               QKeySequence(Qt::CTRL | Qt::Key_J), [this] { askServer(); }),
        action(file, QStringLiteral("&Открыть файлы…"), QKeySequence::Open,
               [this] { askFiles(false); }),
        action(file, QStringLiteral("Открыть &папку…"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), [this] { askFolder(false); }),
        action(file, QStringLiteral("&Добавить файлы…"), {}, [this] { askFiles(true); }),
        action(file, QStringLiteral("Добавить п&апку…"), {}, [this] { askFolder(true); }),
    };
    file->addSeparator();
    action(file, QStringLiteral("&Экспорт показанных в CSV…"), QKeySequence(Qt::CTRL | Qt::Key_E),
           [this] { exportShown(); });
    action(file, QStringLiteral("&Сохранить сводку в PDF…"), QKeySequence::Save,
           [this] { saveSummary(); });
    action(file, QStringLiteral("Пе&чать сводки…"), QKeySequence::Print,
           [this] { printSummary(); });
    file->addSeparator();
    action(file, QStringLiteral("В&ыход"), QKeySequence::Quit, [this] { close(); });

    QMenu* view = menuBar()->addMenu(QStringLiteral("&Вид"));
    action(view, QStringLiteral("&Результаты"), QKeySequence(Qt::CTRL | Qt::Key_1),
           [this] { tabs_->setCurrentIndex(0); });
    action(view, QStringLiteral("&Ошибки группы"), QKeySequence(Qt::CTRL | Qt::Key_2),
           [this] { tabs_->setCurrentIndex(1); });
    // Sorting by the keyboard, as a click on a column's heading does it.
    QMenu* order = view->addMenu(QStringLiteral("&Упорядочить по"));
    for (int column = 0; column < ResultsModel::ColumnCount; ++column)
        order->addAction(
            results_->headerData(column, Qt::Horizontal).toString(), this, [this, column] {
                const bool again = table_->horizontalHeader()->sortIndicatorSection() == column;
                const Qt::SortOrder now = table_->horizontalHeader()->sortIndicatorOrder();
                table_->sortByColumn(column, again && now == Qt::AscendingOrder
                                                 ? Qt::DescendingOrder
                                                 : Qt::AscendingOrder);
            });
    action(view, QStringLiteral("&Найти по имени"), QKeySequence::Find, [this] {
        name_->setFocus(Qt::ShortcutFocusReason);
        name_->selectAll();
    });
    action(view, QStringLiteral("&Сбросить отбор"), QKeySequence(Qt::CTRL | Qt::Key_R), [this] {
        period_->setChecked(false);
        name_->clear();
    });
}

QWidget* JournalWindow::buildBanner() {
    banner_ = new QWidget;
    banner_->setObjectName(QStringLiteral("banner"));
    banner_->setAutoFillBackground(true);
    bannerText_ = new QLabel;
    bannerText_->setObjectName(QStringLiteral("bannerText"));
    bannerText_->setWordWrap(true);
    bannerText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QHBoxLayout(banner_);
    layout->addWidget(bannerText_, 1);
    const auto button = [layout](const QString& text, auto slot) {
        auto* pressed = new QPushButton(text);
        QObject::connect(pressed, &QPushButton::clicked, slot);
        layout->addWidget(pressed);
        return pressed;
    };
    retry_ = button(QStringLiteral("Пов&торить"), [this] {
        if (lastLogin_)
            openServer(*lastLogin_);
    });
    serverButton_ = button(QStringLiteral("&Журнал группы…"), [this] { askServer(); });
    button(QStringLiteral("Открыть фа&йлы…"), [this] { askFiles(false); });
    button(QStringLiteral("Открыть пап&ку…"), [this] { askFolder(false); });
    return banner_;
}

QWidget* JournalWindow::buildFilterBar() {
    auto* bar = new QWidget;
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    period_ = new QCheckBox(QStringLiteral("&Период с"));
    period_->setObjectName(QStringLiteral("period"));
    const auto dateEdit = [](const QString& name, const QString& accessible) {
        auto* edit = new QDateEdit;
        edit->setObjectName(name);
        edit->setAccessibleName(accessible);
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        edit->setEnabled(false);
        return edit;
    };
    from_ = dateEdit(QStringLiteral("from"), QStringLiteral("Период с"));
    to_ = dateEdit(QStringLiteral("to"), QStringLiteral("Период по"));
    auto* toLabel = new QLabel(QStringLiteral("п&о"));
    toLabel->setBuddy(to_);
    name_ = new QLineEdit;
    name_->setObjectName(QStringLiteral("name"));
    name_->setAccessibleName(QStringLiteral("Часть имени студента"));
    name_->setPlaceholderText(QStringLiteral("часть фамилии или имени"));
    name_->setClearButtonEnabled(true);
    auto* nameLabel = new QLabel(QStringLiteral("&Имя:"));
    nameLabel->setBuddy(name_);
    count_ = new QLabel;
    count_->setObjectName(QStringLiteral("count"));
    for (QWidget* widget : {static_cast<QWidget*>(period_), static_cast<QWidget*>(from_),
                            static_cast<QWidget*>(toLabel), static_cast<QWidget*>(to_)})
        layout->addWidget(widget);
    layout->addSpacing(16);
    layout->addWidget(nameLabel);
    layout->addWidget(name_, 1);
    layout->addSpacing(16);
    layout->addWidget(count_);
    connect(period_, &QCheckBox::toggled, this, &JournalWindow::periodChanged);
    connect(from_, &QDateEdit::dateChanged, this, &JournalWindow::periodChanged);
    connect(to_, &QDateEdit::dateChanged, this, &JournalWindow::periodChanged);
    connect(name_, &QLineEdit::textChanged, this, [this](const QString& part) {
        shown_->setNamePart(part);
        shownChanged();
    });
    return bar;
}

void JournalWindow::tell(const QString& text, bool serverDown) {
    bannerText_->setText(text);
    QPalette palette = banner_->palette();
    palette.setColor(QPalette::Window,
                     serverDown ? QColor(0xfd, 0xe4, 0xc8) : QColor(0xe3, 0xec, 0xf7));
    banner_->setPalette(palette);
    banner_->setAccessibleName(text);
    retry_->setVisible(serverDown && lastLogin_);
    banner_->setVisible(!text.isEmpty());
}

void JournalWindow::periodChanged() {
    const bool on = period_->isChecked();
    from_->setEnabled(on);
    to_->setEnabled(on);
    shown_->setPeriod(on ? from_->date() : QDate(), on ? to_->date() : QDate());
    shownChanged();
}

void JournalWindow::shownChanged() {
    count_->setText(
        QStringLiteral("Показано: %1 из %2").arg(shown_->rowCount()).arg(results_->rowCount()));
    summary_->setSummary(shown_->summary(), description());
}

QString JournalWindow::description() const {
    QStringList parts{
        QStringLiteral("Результатов: %1 из %2").arg(shown_->rowCount()).arg(results_->rowCount())};
    if (period_->isChecked())
        parts << QStringLiteral("с %1 по %2").arg(dayText(from_->date()), dayText(to_->date()));
    if (!name_->text().trimmed().isEmpty())
        parts << QStringLiteral("в имени «%1»").arg(name_->text().trimmed());
    if (!source_.isEmpty())
        parts << source_;
    return parts.join(QStringLiteral("; ")) + QLatin1Char('.');
}

void JournalWindow::openFiles(const QStringList& paths, bool adding) {
    const QString source = paths.size() == 1
                               ? QStringLiteral("из %1").arg(QDir::toNativeSeparators(paths[0]))
                               : QStringLiteral("из %1 файлов и папок").arg(paths.size());
    load(
        [paths](const ResultsLoader::Progress& progress) {
            return ResultsLoader::readFiles(paths, progress);
        },
        adding, source);
}

void JournalWindow::openServer(const JournalSettings& login) {
    lastLogin_ = login;
    load(
        [login](const ResultsLoader::Progress& progress) {
            return ResultsLoader::readServer(login, progress);
        },
        false, QStringLiteral("журнал группы %1 на %2").arg(login.database, login.host));
}

void JournalWindow::load(Reader read, bool adding, const QString& source) {
    if (loading())
        return;
    for (QAction* action : std::as_const(loadActions_))
        action->setEnabled(false);
    banner_->setEnabled(false);
    statusBar()->showMessage(QStringLiteral("Загрузка результатов…"));
    pendingSource_ =
        adding && !source_.isEmpty() ? source_ + QStringLiteral(", ") + source : source;
    // What is shown stays shown until the load is over; a copy goes with the load to be
    // merged in.
    std::vector<Record::LabResult> earlier;
    if (adding)
        for (const JournalRow& row : results_->rows())
            earlier.push_back(row.result);
    watcher_.setFuture(QtConcurrent::run([read = std::move(read), earlier = std::move(earlier)](
                                             QPromise<std::shared_ptr<Outcome>>& promise) mutable {
        promise.setProgressRange(0, 0);
        ResultsLoader::Loading loading = read([&promise](int done, int total) {
            promise.setProgressRange(0, total);
            promise.setProgressValue(done);
        });
        ResultsLoader::Loading merged;
        merged.results = std::move(earlier);
        ResultsLoader::merge(merged, std::move(loading));
        auto outcome = std::make_shared<Outcome>();
        outcome->rows = JournalRow::rowsOf(std::move(merged.results));
        outcome->ranks = SortRanks(outcome->rows);
        outcome->loading = std::move(merged);
        promise.addResult(std::move(outcome));
    }));
    progress_->setRange(0, 0);
    QTimer::singleShot(kProgressDelayMs, this, [this] {
        if (loading())
            progress_->show();
    });
}

void JournalWindow::loadEnded() {
    progress_->hide();
    for (QAction* action : std::as_const(loadActions_))
        action->setEnabled(true);
    banner_->setEnabled(true);
    // Shared, not taken: taking resets the future while the loading thread may still let go
    // of its promise, which then reports the load finished once more, without a result.
    Outcome& outcome = *watcher_.result();
    const ResultsLoader::Loading& loading = outcome.loading;
    if (!loading.serverFailure.isEmpty()) {
        // What was shown stays; the teacher may turn to the files collected from the PCs.
        statusBar()->clearMessage();
        tell(QStringLiteral("Журнал группы недоступен: %1. Откройте файлы results.csv, собранные "
                            "с компьютеров лаборатории, или повторите подключение.")
                 .arg(loading.serverFailure),
             true);
        Q_EMIT loaded();
        return;
    }
    qint64 first = -1, last = -1;
    for (const JournalRow& row : outcome.rows)
        if (row.day() >= 0) {
            first = first < 0 ? row.day() : std::min(first, row.day());
            last = std::max(last, row.day());
        }
    results_->setRows(std::move(outcome.rows), std::move(outcome.ranks));
    source_ = pendingSource_;
    if (first >= 0 && !period_->isChecked()) {
        const QSignalBlocker fromQuiet(from_), toQuiet(to_);
        from_->setDate(dateOf(first));
        to_->setDate(dateOf(last));
    }
    table_->resizeColumnsToContents();
    // From the banner's button that opened them, on to the results.
    if (!focusWidget() || banner_->isAncestorOf(focusWidget()))
        table_->setFocus();
    QString told;
    if (!loading.problems.isEmpty())
        told = QStringLiteral("Не прочитано: %1.")
                   .arg(loading.problems.mid(0, 3).join(QStringLiteral("; ")));
    if (loading.skipped > 0)
        told +=
            QStringLiteral(" Пропущено строк, в которых нет результата: %1.").arg(loading.skipped);
    tell(told.trimmed(), false);
    statusBar()->showMessage(QStringLiteral("Загружено результатов: %1").arg(results_->rowCount()));
    shownChanged();
    Q_EMIT loaded();
}

void JournalWindow::askFiles(bool adding) {
    const QStringList files =
        QFileDialog::getOpenFileNames(this, QStringLiteral("Файлы результатов"), QString(),
                                      QStringLiteral("Результаты (*.csv);;Все файлы (*)"), nullptr,
                                      QFileDialog::DontUseNativeDialog);
    if (!files.isEmpty())
        openFiles(files, adding);
}

void JournalWindow::askFolder(bool adding) {
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Папка с файлами результатов"), QString(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (!folder.isEmpty())
        openFiles({folder}, adding);
}

void JournalWindow::askServer() {
    ConnectionDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ConnectionDialog::remember(dialog.login());
    openServer(dialog.login());
}

QString JournalWindow::askSaveName(const QString& title, const QString& filter,
                                   const QString& proposed) {
    return SaveDialog::ask(this, title, filter, SaveDialog::inDocuments(proposed));
}

void JournalWindow::exportShown() {
    const QString path =
        askSaveName(QStringLiteral("Экспорт показанных результатов"),
                    QStringLiteral("Таблица CSV (*.csv)"), QStringLiteral("Результаты.csv"));
    QString reason;
    if (!path.isEmpty() && !ResultsExport::saveCsv(path, shown_->shownResults(), &reason))
        showErrorBox(
            this,
            QStringLiteral("Файл %1 не сохранён: %2.").arg(QDir::toNativeSeparators(path), reason),
            QStringLiteral("Ошибка записи"));
}

void JournalWindow::saveSummary() {
    const QString path =
        askSaveName(QStringLiteral("Сохранить сводку"), QStringLiteral("Документ PDF (*.pdf)"),
                    QStringLiteral("Ошибки группы.pdf"));
    QString reason;
    if (!path.isEmpty() && !SummaryReport::savePdf(path, shown_->summary(), description(), &reason))
        showErrorBox(
            this,
            QStringLiteral("Файл %1 не сохранён: %2.").arg(QDir::toNativeSeparators(path), reason),
            QStringLiteral("Ошибка записи"));
}

void JournalWindow::printSummary() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Ошибки группы"));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted &&
        !SummaryReport::print(printer, shown_->summary(), description()))
        showErrorBox(this, QStringLiteral("Принтер не начал печать."), QStringLiteral("Печать"));
}
