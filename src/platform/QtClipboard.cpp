#include "QtClipboard.h"

#include "MMLog.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

QClipboard* systemClipboard()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        VQLogError(QStringLiteral("the clipboard needs a GUI application"));
        return nullptr;
    }
    return QGuiApplication::clipboard();
}

} // namespace

bool QtClipboard::setText(const QString& text)
{
    QClipboard* clipboard = systemClipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text, QClipboard::Clipboard);
    // Reading back tells whether the platform took ownership of the clipboard.
    const bool held = clipboard->text(QClipboard::Clipboard) == text;
    if (!held)
        VQLogWarn(QStringLiteral("the clipboard did not take the text"));
    return held;
}

bool QtClipboard::setImage(const QImage& image)
{
    QClipboard* clipboard = systemClipboard();
    if (!clipboard || image.isNull())
        return false;
    clipboard->setImage(image, QClipboard::Clipboard);
    // Reading back tells whether the platform took ownership of the clipboard (our own content
    // reads back without a round trip).
    const bool ok = clipboard->image(QClipboard::Clipboard).size() == image.size();
    if (!ok)
        VQLogWarn(QStringLiteral("the clipboard did not take the image"));
    return ok;
}

QString QtClipboard::text() const
{
    QClipboard* clipboard = systemClipboard();
    return clipboard ? clipboard->text(QClipboard::Clipboard) : QString();
}

QString QtClipboard::selectionText() const
{
    QClipboard* clipboard = systemClipboard();
    if (!clipboard || !clipboard->supportsSelection())
        return {};
    return clipboard->text(QClipboard::Selection);
}

bool QtClipboard::setSelectionText(const QString& text)
{
    QClipboard* clipboard = systemClipboard();
    if (!clipboard || !clipboard->supportsSelection())
        return false;
    clipboard->setText(text, QClipboard::Selection);
    const bool held = clipboard->ownsSelection() && clipboard->text(QClipboard::Selection) == text;
    if (!held)
        VQLogWarn(QStringLiteral("the primary selection did not take the text"));
    return held;
}

QtClipboard::~QtClipboard()
{
    QObject::disconnect(m_selectionConnection);
}

bool QtClipboard::ownsSelection() const
{
    QClipboard* clipboard = systemClipboard();
    return clipboard && clipboard->supportsSelection() && clipboard->ownsSelection();
}

void QtClipboard::startWatchingSelection()
{
    if (m_selectionConnection)
        return;
    QClipboard* clipboard = systemClipboard();
    if (!clipboard)
        return;
    if (!clipboard->supportsSelection()) {
        VQLogWarn(QStringLiteral("the desktop has no primary selection; selections are not seen"));
        return;
    }
    m_selectionConnection
        = QObject::connect(clipboard, &QClipboard::selectionChanged, [this] { notifySelectionChanged(); });
}
