// SPDX-License-Identifier: MIT
#pragma once

#include "app/journal/JournalRow.h"
#include "app/journal/ResultsLoader.h"
#include "app/journal/SortRanks.h"
#include "app/store/JournalSettings.h"

#include <QFutureWatcher>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;
class ResultsFilterModel;
class ResultsModel;
class SummaryView;

// The teacher's view: every result loaded from the class journal or from results.csv files,
// a period and a part of a name to narrow them, and what the group got wrong. Loading runs
// away from the window's thread; the window answers all along.
class JournalWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit JournalWindow(QWidget* parent = nullptr);
    ~JournalWindow() override;

    // Shows the results of these files and folders; `adding` keeps those shown and adds.
    void openFiles(const QStringList& paths, bool adding = false);
    // Shows the results of the class journal on the server.
    void openServer(const JournalSettings& login);
    bool loading() const { return watcher_.isRunning(); }

    ResultsFilterModel* shown() const { return shown_; }
    // Which results the summary is of, in Russian.
    QString description() const;

Q_SIGNALS:
    // A load has ended and what it brought is shown.
    void loaded();

private:
    struct Outcome {
        std::vector<JournalRow> rows;
        SortRanks ranks;
        ResultsLoader::Loading loading;
    };
    using Reader = std::function<ResultsLoader::Loading(const ResultsLoader::Progress&)>;

    void buildMenus();
    QWidget* buildFilterBar();
    QWidget* buildBanner();
    void load(Reader read, bool adding, const QString& source);
    void loadEnded();
    void tell(const QString& text, bool serverDown);
    void periodChanged();
    void shownChanged();
    void askFiles(bool adding);
    void askFolder(bool adding);
    void askServer();
    void exportShown();
    void saveSummary();
    void printSummary();
    QString askSaveName(const QString& title, const QString& filter, const QString& proposed);

    ResultsModel* results_;
    ResultsFilterModel* shown_;
    QTableView* table_;
    SummaryView* summary_;
    QTabWidget* tabs_;
    QWidget* banner_ = nullptr;
    QLabel* bannerText_ = nullptr;
    QPushButton* retry_ = nullptr;
    QPushButton* serverButton_ = nullptr;
    QCheckBox* period_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLabel* count_ = nullptr;
    QProgressBar* progress_;
    QList<QAction*> loadActions_;
    QFutureWatcher<std::shared_ptr<Outcome>> watcher_;
    QString source_;        // where the shown results come from
    QString pendingSource_; // and where those being loaded do
    std::optional<JournalSettings> lastLogin_;
};
