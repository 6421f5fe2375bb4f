// Showing one piece of a 4,000-character answer in the AI chat window: the cell's texts and
// heights, the document's size, the scroll to the bottom and the paint of what changed
// (offscreen), as the user sees it. The question waits on
// a local server that never answers, and each run shows the next of two different pieces.
// Prints every figure's median in ms: vq_ai_chat_chunk_bench [runs].
#include "PaintWait.h"
#include "VQAIContentModel.h"
#include "VQAIWindowController.h"
#include "VQAIWindowTool.h"
#include "VQApiConfig.h"
#include "VQHttpRequestManager.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    QTcpServer silent; // accepts the question and never answers
    if (!silent.listen(QHostAddress::LocalHost)) {
        std::fprintf(stderr, "no local port\n");
        return 1;
    }
    VQApiConfig::setBaseUrl(VQApiConfig::Endpoint::Api, QStringLiteral("http://127.0.0.1:%1/api").arg(silent.serverPort()));
    VQHttpRequestManager::sharedInstance().setNetworkDownCheckForTests([] { return false; });

    VQAIWindowController& window = VQAIWindowTool::sharedInstance().aiWindow();
    window.show();
    window.requestChatGPT(QStringLiteral("写一篇长文章"));
    const std::shared_ptr<VQAIContentModel> model = window.aiContentModelArr().last();
    PaintWait paint(window);
    paint.waitForPaint(); // the first show

    QString pieces[2];
    for (int i = 0; i < 2; ++i) {
        QString text;
        while (text.size() < 4000)
            text += QStringLiteral("第%1段：这是一个很长的回答，用来测量显示的时间。Some English words as well. ").arg(i + text.size());
        if (i == 1)
            text += QStringLiteral("\n\n再多一段。");
        pieces[i] = text.left(4000 + i * 7);
    }

    std::vector<double> figures;
    figures.reserve(static_cast<size_t>(runs));
    for (int run = 0; run < runs; ++run) {
        model->setAnswer(pieces[run % 2]);
        QElapsedTimer clock;
        clock.start();
        window.updateContentViewText();
        if (!paint.waitForPaint()) {
            std::fprintf(stderr, "run %d: nothing was painted\n", run);
            return 1;
        }
        figures.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(figures.begin(), figures.end());
    std::printf("showing and painting one piece of a 4000-character answer: median %.2f ms, min %.2f ms, max %.2f ms (%d runs)\n",
                figures[figures.size() / 2], figures.front(), figures.back(), runs);
    std::fflush(stdout);
    VQHttpRequestManager::sharedInstance().resetForTests();
    return 0;
}
