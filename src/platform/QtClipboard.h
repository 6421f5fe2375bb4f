#pragma once

#include "Clipboard.h"

#include <QMetaObject>

// The clipboard and primary selection of Qt's platform integration (QClipboard). Reading the
// selection of another application waits for that application's answer, as QClipboard does.
class QtClipboard : public Clipboard {
public:
    ~QtClipboard() override;

    bool setText(const QString& text) override;
    bool setImage(const QImage& image) override;
    QString text() const override;
    QString selectionText() const override;
    bool setSelectionText(const QString& text) override;
    bool ownsSelection() const override;

protected:
    // Forwards QClipboard::selectionChanged (X11: XFixes tells when another client takes the
    // selection).
    void startWatchingSelection() override;

private:
    QMetaObject::Connection m_selectionConnection;
};
