// Start-up cost of the lab against a bare Qt window with one label: the time from starting
// the process to its first window being shown and painted, and the peak resident memory by
// then. Each sample is a fresh child process, so dynamic loading and font set-up count.
//   startup_bench [runs]          run both kinds `runs` times (10), print medians and ratios
//   startup_bench --child lab     one start-up of the lab (also the thing to profile)
//   startup_bench --child bare    one start-up of the bare window
// The children use the platform the environment gives them; when that cannot open a window
// (no display), they fall back to the offscreen platform. Under a headless X server:
//   xvfb-run -a build/tools/startup_bench
#include "app/LabFrame.h"
#include "foundation/LabStyle.h"
#include "screens/Unit1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <cstring>
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

double PeakResidentMiB() {
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
        std::printf("%s %.3f %.2f %s\n", kReadyTag, double(sinceMain_.nsecsElapsed()) / 1e6,
                    PeakResidentMiB(), qPrintable(QGuiApplication::platformName()));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    QWidget* window_;
    const QElapsedTimer& sinceMain_;
    bool seen_ = false;
};

int RunChild(int argc, char* argv[], bool lab) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);
    if (lab) {
        // The program body of the lab, as its main() does it.
        LabStyle::setUpApplication(app);
        LabFrame frame;
        FirstPaintReporter reporter(Form1, sinceMain);
        frame.start();
        return QApplication::exec();
    }
    QLabel label(QStringLiteral("Лабораторно-практическое занятие"));
    label.setWindowTitle(QStringLiteral("Qt"));
    label.resize(412, 207);
    FirstPaintReporter reporter(&label, sinceMain);
    label.show();
    return QApplication::exec();
}

struct Sample {
    double processMs = 0; // from starting the child to its report
    double mainMs = 0;    // from its main() to its report
    double peakMiB = 0;
    QString platform;
};

// The child's own messages are shown only when `verbose` and it fails.
std::optional<Sample> RunOnce(const QString& program, const QString& kind,
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
    if (fields.size() != 4 || fields[0] != kReadyTag) {
        if (verbose)
            std::fputs(child.readAllStandardError().constData(), stderr);
        return std::nullopt;
    }
    return Sample{processMs, fields[1].toDouble(), fields[2].toDouble(),
                  QString::fromLatin1(fields[3])};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Medians {
    double processMs, mainMs, peakMiB;
};

Medians MediansOf(const std::vector<Sample>& samples) {
    std::vector<double> process, main, peak;
    for (const Sample& s : samples) {
        process.push_back(s.processMs);
        main.push_back(s.mainMs);
        peak.push_back(s.peakMiB);
    }
    return {Median(process), Median(main), Median(peak)};
}

int RunBench(int runs) {
    QTextStream out(stdout);
    const QString program = QCoreApplication::applicationFilePath();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!RunOnce(program, QStringLiteral("bare"), environment, false)) {
        out << "No window could be opened on the default platform: using offscreen.\n";
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (!RunOnce(program, QStringLiteral("bare"), environment, false)) {
            out << "The children do not start.\n";
            return 1;
        }
    }

    std::vector<Sample> bare, lab;
    // Interleaved, so that drifting load on the machine hits both alike.
    for (int run = 0; run < runs; ++run) {
        for (auto* kind : {&bare, &lab}) {
            const QString name = kind == &bare ? QStringLiteral("bare") : QStringLiteral("lab");
            const std::optional<Sample> sample = RunOnce(program, name, environment);
            if (!sample) {
                out << "The " << name << " child failed.\n";
                return 1;
            }
            kind->push_back(*sample);
        }
    }

    const Medians b = MediansOf(bare);
    const Medians l = MediansOf(lab);
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
    row("peak resident, MiB", b.peakMiB, l.peakMiB);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::strcmp(argv[1], kChildFlag) == 0)
        return RunChild(argc, argv, std::strcmp(argv[2], "lab") == 0);
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 10;
    return RunBench(runs);
}
