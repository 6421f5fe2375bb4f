#include "VQWKWebViewDrop.h"

#include <QMimeData>

#include <algorithm>

namespace VQWKWebViewDrop {

namespace {

// Files are local file URLs: a dragged web link, or an empty URL list, carries none.
bool carriesFiles(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return false;
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.cbegin(), urls.cend(), [](const QUrl& url) { return url.isLocalFile(); });
}

} // namespace

Qt::DropAction dragEnteredAction(const QMimeData* data, Qt::DropActions allowed, VQReadFileViewDelegate* delegate)
{
    if (!carriesFiles(data))
        return Qt::IgnoreAction;
    if (allowed.testFlag(Qt::LinkAction))
        return delegate ? delegate->queryDragOperation(data->urls()) : Qt::IgnoreAction;
    if (allowed.testFlag(Qt::CopyAction))
        return Qt::CopyAction;
    return Qt::IgnoreAction;
}

QList<QUrl> droppedFileUrls(const QMimeData* data)
{
    QList<QUrl> urls;
    if (!data)
        return urls;
    urls = data->urls();
    // Only text the drag carries itself: Qt also offers URLs as text.
    if (data->formats().contains(QStringLiteral("text/plain"))) {
        const QStringList lines = data->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString& line : lines) {
            const QString path = line.trimmed();
            if (path.isEmpty() || QUrl(path).scheme().size() > 1)
                continue; // a URL written as text, not a path
            const QUrl url = QUrl::fromLocalFile(path);
            if (!urls.contains(url))
                urls.append(url);
        }
    }
    return urls;
}

bool performDrop(const QMimeData* data, VQReadFileViewDelegate* delegate)
{
    const QList<QUrl> urls = droppedFileUrls(data);
    if (!urls.isEmpty() && delegate)
        delegate->receivedFileUrlList(urls);
    return true;
}

VQAIWebView::DropRules rulesFor(VQReadFileViewDelegate* delegate)
{
    VQAIWebView::DropRules rules;
    rules.dragEntered = [delegate](const QMimeData* data, Qt::DropActions allowed) {
        return dragEnteredAction(data, allowed, delegate);
    };
    rules.dropped = [delegate](const QMimeData* data) { return performDrop(data, delegate); };
    return rules;
}

} // namespace VQWKWebViewDrop
