#pragma once

#include "VQAIWebPageHost.h"

#include <QList>
#include <QUrl>
#include <Qt>

class QMimeData;

// Receives files dragged onto the AI web view and decides which drags it takes.
class VQReadFileViewDelegate {
public:
    virtual ~VQReadFileViewDelegate() = default;
    // The drop action allowed for a drag that may link these items.
    virtual Qt::DropAction queryDragOperation(const QList<QUrl>& items) = 0;
    // The files dropped, as file URLs.
    virtual void receivedFileUrlList(const QList<QUrl>& fileUrls) = 0;
};

// The drop rules of a web view that takes dropped files, free of any widget. The plugin's
// VQWKWebView asks them through rulesFor() (VQAIWebHostLoader::createDropWebView); nothing
// makes such a view yet (the AI web window's view leaves drags to its page).
namespace VQWKWebViewDrop {

// A drag enters with the source's allowed actions: a drag carrying files (local file URLs; a web
// link is none) that may link is
// decided by the delegate (no action without one); else one that may copy is a copy; anything
// else is refused (Qt::IgnoreAction).
Qt::DropAction dragEnteredAction(const QMimeData* data, Qt::DropActions allowed, VQReadFileViewDelegate* delegate);

// The dropped items as file URLs: URLs as they are, text lines taken as file paths.
QList<QUrl> droppedFileUrls(const QMimeData* data);

// The drop: hands the files to the delegate when there are any and a delegate is set. Always
// accepts the drop (true).
bool performDrop(const QMimeData* data, VQReadFileViewDelegate* delegate);

// The rules above with this delegate, for a drop-taking web view; with nullptr drops are taken
// and nothing is delivered. The delegate must outlive the rules (set new ones to let it go).
VQAIWebView::DropRules rulesFor(VQReadFileViewDelegate* delegate);

} // namespace VQWKWebViewDrop
