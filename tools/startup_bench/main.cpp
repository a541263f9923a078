// SPDX-License-Identifier: MIT
// Start-up cost of the lab against a bare Qt window with one label: the time from starting
// the process to its first window being shown and painted, and the peak resident memory by
// then, and the processor time used by then. Each sample is a fresh child process, so dynamic
// loading and font set-up count.
//   startup_bench [runs]          run both kinds `runs` times (10), print medians and ratios
//   startup_bench --child lab     one start-up of the lab (also the thing to profile)
//   startup_bench --child bare    one start-up of the bare window
//   startup_bench --child switches  every forward screen switch of the lab, once each
// Besides start-up, it times every forward switch from one screen to the next (the link or
// button, the hide, the show and the first paint of the next screen), median of `runs`
// children, and names the slowest.
// The children use the platform the environment gives them; when that cannot open a window
// (no display), they fall back to the offscreen platform. Under a headless X server:
//   xvfb-run -a build/tools/startup_bench
#include "app/LabFrame.h"
#include "foundation/CommandLine.h"
#include "foundation/LabStyle.h"
#include "screens/Unit1.h"
#include "screens/Unit2.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"
#include "screens/Unit5.h"
#include "screens/Unit6.h"
#include "screens/Unit7.h"
#include "screens/Unit8.h"
#include "screens/Unit9.h"
#include "widgets/LinkLabel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <vector>

#if defined(Q_OS_WIN)
#include <windows.h>
// windows.h first
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

namespace {

constexpr char kChildFlag[] = "--child";
constexpr char kReadyTag[] = "painted";

double peakResidentMiB() {
#if defined(Q_OS_WIN)
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return double(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
#if defined(Q_OS_MACOS)
    return double(usage.ru_maxrss) / (1024.0 * 1024.0); // bytes there
#else
    return double(usage.ru_maxrss) / 1024.0; // kilobytes
#endif
#endif
}

// Processor time, user and system, the process has used so far.
double cpuMs() {
#if defined(Q_OS_WIN)
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ms = [](const FILETIME& t) {
        return double((ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4;
    };
    return ms(kernel) + ms(user);
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
#endif
}

// Reports once, after the first paint of `window` has gone through: the repaint of the
// whole window and its flush finish before a queued call runs.
class FirstPaintReporter : public QObject {
public:
    FirstPaintReporter(QWidget* window, const QElapsedTimer& sinceMain)
        : window_(window), sinceMain_(sinceMain) {
        window_->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QMetaObject::invokeMethod(this, &FirstPaintReporter::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report() {
        std::printf("%s %.3f %.2f %.3f %s\n", kReadyTag, double(sinceMain_.nsecsElapsed()) / 1e6,
                    peakResidentMiB(), cpuMs(), qPrintable(QGuiApplication::platformName()));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    QWidget* window_;
    const QElapsedTimer& sinceMain_;
    bool seen_ = false;
};

int runChild(int argc, char* argv[], bool lab) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);
    if (lab) {
        // The program body of the lab, as its main() does it.
        LabStyle::setUpApplication(app);
        LabFrame frame;
        frame.start();
        // Watching from here sees the paint first: what the lab does after it is not counted.
        FirstPaintReporter reporter(Form1, sinceMain);
        return QApplication::exec();
    }
    QLabel label(QStringLiteral("Лабораторно-практическое занятие"));
    label.setWindowTitle(QStringLiteral("Qt"));
    label.resize(412, 207);
    FirstPaintReporter reporter(&label, sinceMain);
    label.show();
    return QApplication::exec();
}

// Runs `action` and waits until `next` has been painted; returns the milliseconds between.
double timeSwitch(QWidget* next, const std::function<void()>& action) {
    QEventLoop painted;
    QElapsedTimer timer;
    struct Watch : QObject {
        QWidget* target;
        QEventLoop* loop;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (watched == target && event->type() == QEvent::Paint)
                QMetaObject::invokeMethod(loop, &QEventLoop::quit, Qt::QueuedConnection);
            return false;
        }
    } watch;
    watch.target = next;
    watch.loop = &painted;
    next->installEventFilter(&watch);
    timer.start();
    action();
    painted.exec();
    next->removeEventFilter(&watch);
    return double(timer.nsecsElapsed()) / 1e6;
}

template <typename T> T* find(QWidget* screen, const char* name) {
    return screen->findChild<T*>(QString::fromLatin1(name));
}

// The forward path, each step by the control the students use; the links that wait for the
// end of a test or a run are taken at once.
int runSwitches(int argc, char* argv[]) {
    QApplication app(argc, argv);
    LabStyle::setUpApplication(app);
    LabFrame frame;
    timeSwitch(Form1, [&frame] { frame.start(); });
    // A student reads the title for a while: the lab does its preparations meanwhile.
    QEventLoop reading;
    QTimer::singleShot(1000, &reading, &QEventLoop::quit);
    reading.exec();
    const auto link = [](QWidget* screen, const char* name) {
        return [=] { find<LinkLabel>(screen, name)->activate(); };
    };
    find<QLineEdit>(Form7, "Edit1")->setText(QStringLiteral("Иванов"));
    find<QLineEdit>(Form9, "Edit1")->setText(QStringLiteral("-37"));
    const struct {
        const char* name;
        QWidget* next;
        std::function<void()> action;
    } switches[] = {
        {"title -> registration", Form7, link(Form1, "RzURLLabel1")},
        {"registration -> procedure", Form2, [] { find<QPushButton>(Form7, "Button1")->click(); }},
        {"procedure -> theory", Form3, link(Form2, "RzURLLabel1")},
        {"theory -> intro test", Form4, link(Form3, "RzURLLabel1")},
        {"intro test -> demonstration", Form5, link(Form4, "RzURLLabel3")},
        {"demonstration -> practice input", Form9, link(Form5, "RzURLLabel1")},
        {"practice input -> practice", Form6, link(Form9, "RzURLLabel3")},
        {"practice -> final test", Form8, link(Form6, "RzURLLabel1")},
    };
    for (const auto& step : switches)
        std::printf("switch %.3f %s\n", timeSwitch(step.next, step.action), step.name);
    std::fflush(stdout);
    return 0;
}

struct Sample {
    double processMs = 0; // from starting the child to its report
    double mainMs = 0;    // from its main() to its report
    double peakMiB = 0;
    double cpuMs = 0;
    QString platform;
};

// The child's own messages are shown only when `verbose` and it fails.
std::optional<Sample> runOnce(const QString& program, const QString& kind,
                              const QProcessEnvironment& environment, bool verbose = true) {
    QProcess child;
    child.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    child.start(program, {QString::fromLatin1(kChildFlag), kind});
    QByteArray output;
    while (!output.contains('\n') && child.waitForReadyRead(30000))
        output += child.readAllStandardOutput();
    const double processMs = double(timer.nsecsElapsed()) / 1e6;
    if (!child.waitForFinished(30000))
        child.kill();
    const QList<QByteArray> fields = output.trimmed().split(' ');
    if (fields.size() != 5 || fields[0] != kReadyTag) {
        if (verbose)
            std::fputs(child.readAllStandardError().constData(), stderr);
        return std::nullopt;
    }
    return Sample{processMs, fields[1].toDouble(), fields[2].toDouble(), fields[3].toDouble(),
                  QString::fromLatin1(fields[4])};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Medians {
    double processMs, mainMs, peakMiB, cpuMs;
};

Medians mediansOf(const std::vector<Sample>& samples) {
    std::vector<double> process, main, peak, cpu;
    for (const Sample& s : samples) {
        process.push_back(s.processMs);
        main.push_back(s.mainMs);
        peak.push_back(s.peakMiB);
        cpu.push_back(s.cpuMs);
    }
    return {median(process), median(main), median(peak), median(cpu)};
}

// Runs the switches child `runs` times; prints the median of each switch and the slowest.
void benchSwitches(QTextStream& out, const QString& program, const QProcessEnvironment& environment,
                   int runs) {
    std::vector<QString> names;
    std::vector<std::vector<double>> times;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(program, {QString::fromLatin1(kChildFlag), QStringLiteral("switches")});
        child.waitForFinished(60000);
        std::size_t i = 0;
        for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
            if (!line.startsWith("switch "))
                continue;
            if (times.size() <= i) {
                times.emplace_back();
                names.push_back(QString::fromUtf8(line.mid(line.indexOf(' ', 7) + 1)));
            }
            times[i++].push_back(line.split(' ')[1].toDouble());
        }
    }
    out << "Forward screen switches (link, hide, show, first paint), median of " << runs
        << ", ms\n";
    std::size_t slowest = 0;
    for (std::size_t i = 0; i < times.size(); ++i) {
        out << qSetFieldWidth(36) << Qt::left << names[i] << qSetFieldWidth(10) << Qt::right
            << median(times[i]) << qSetFieldWidth(0) << '\n';
        if (median(times[i]) > median(times[slowest]))
            slowest = i;
    }
    if (!times.empty())
        out << "Slowest: " << names[slowest] << ", " << median(times[slowest]) << " ms\n";
}

int runBench(int runs) {
    QTextStream out(stdout);
    const QString program = QCoreApplication::applicationFilePath();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!runOnce(program, QStringLiteral("bare"), environment, false)) {
        out << "No window could be opened on the default platform: using offscreen.\n";
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (!runOnce(program, QStringLiteral("bare"), environment, false)) {
            out << "The children do not start.\n";
            return 1;
        }
    }

    std::vector<Sample> bare, lab;
    // Interleaved, so that drifting load on the machine hits both alike.
    for (int run = 0; run < runs; ++run) {
        for (auto* kind : {&bare, &lab}) {
            const QString name = kind == &bare ? QStringLiteral("bare") : QStringLiteral("lab");
            const std::optional<Sample> sample = runOnce(program, name, environment);
            if (!sample) {
                out << "The " << name << " child failed.\n";
                return 1;
            }
            kind->push_back(*sample);
        }
    }

    const Medians b = mediansOf(bare);
    const Medians l = mediansOf(lab);
    out << "Platform: " << bare.front().platform << ", " << runs << " runs each, medians\n";
    out << qSetFieldWidth(28) << Qt::left << "" << qSetFieldWidth(12) << Qt::right << "bare"
        << "lab"
        << "lab/bare" << qSetFieldWidth(0) << '\n';
    out.setRealNumberNotation(QTextStream::FixedNotation);
    out.setRealNumberPrecision(2);
    const auto row = [&](const char* label, double bareValue, double labValue) {
        out << qSetFieldWidth(28) << Qt::left << label << qSetFieldWidth(12) << Qt::right
            << bareValue << labValue << labValue / bareValue << qSetFieldWidth(0) << '\n';
    };
    row("start to painted, ms", b.processMs, l.processMs);
    row("main() to painted, ms", b.mainMs, l.mainMs);
    row("processor time, ms", b.cpuMs, l.cpuMs);
    row("peak resident, MiB", b.peakMiB, l.peakMiB);
    benchSwitches(out, program, environment, runs);
    return 0;
}

const CommandLine::Usage kUsage{
    "startup_bench",
    "[ЗАПУСКОВ]",
    1,
    "Сравнивает запуск занятия с запуском пустого окна Qt (медианы ЗАПУСКОВ свежих процессов,\n"
    "по умолчанию 10) и время каждого перехода к следующему экрану. Инструмент разработчика:\n"
    "xvfb-run -a startup_bench",
    {{kChildFlag, "ЧТО", "один запуск: lab, bare или switches (то, что дают профилировщику)"}}};

} // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> exitCode = CommandLine::answer(argc, argv, kUsage))
        return *exitCode;
    if (argc == 3 && std::strcmp(argv[1], kChildFlag) == 0)
        return std::strcmp(argv[2], "switches") == 0
                   ? runSwitches(argc, argv)
                   : runChild(argc, argv, std::strcmp(argv[2], "lab") == 0);
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 10;
    return runBench(runs);
}
