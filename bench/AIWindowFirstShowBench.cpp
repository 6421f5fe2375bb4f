// From the first show of the AI web window to its page loaded, each run in a fresh process (the
// web engine's plugin, its libraries and its first page are what the user waits for once per
// session). Run under an X server: vq_ai_window_bench [runs]. The page is the program's own
// local page (no product code, no chat address), so no network is involved. Prints each figure
// in ms and the median.
#include "VQAIWebWindowController.h"
#include "VQAIWindowTool.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// One run: shows the window and prints the milliseconds until the page has loaded.
int runOnce()
{
    QElapsedTimer clock;
    VQAIWebWindowController& controller = VQAIWindowTool::sharedInstance().webWindow();
    QObject::connect(&controller, &VQAIWebWindowController::pageLoaded, qApp, [&clock](const QUrl&, bool ok) {
        std::printf("%s %.1f\n", ok ? "loaded" : "failed", clock.nsecsElapsed() / 1e6);
        std::fflush(stdout);
        QCoreApplication::exit(ok ? 0 : 1);
    });
    QTimer::singleShot(0, qApp, [&clock] {
        clock.start();
        VQAIWindowTool::sharedInstance().showInWindow();
    });
    QTimer::singleShot(30000, qApp, [] {
        std::printf("timed out\n");
        QCoreApplication::exit(2);
    });
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--once") {
        QApplication app(argc, argv);
        return runOnce();
    }
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    std::vector<double> figures;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--once")});
        if (!child.waitForFinished(60000) || child.exitCode() != 0) {
            std::printf("run %d: %s\n", run, child.readAllStandardOutput().trimmed().constData());
            continue;
        }
        const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
        figures.push_back(words.value(1).toDouble());
        std::printf("run %d: %.1f ms\n", run, figures.back());
    }
    if (figures.empty())
        return 1;
    std::sort(figures.begin(), figures.end());
    std::printf("AI window first show to page loaded: median %.1f ms, min %.1f ms, max %.1f ms (%zu of %d runs)\n",
                figures[figures.size() / 2], figures.front(), figures.back(), figures.size(), runs);
    return 0;
}
