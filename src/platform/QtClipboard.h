#pragma once

#include "Clipboard.h"

// The clipboard and primary selection of Qt's platform integration (QClipboard). Reading the
// selection of another application waits for that application's answer, as QClipboard does.
class QtClipboard : public Clipboard {
public:
    bool setText(const QString& text) override;
    QString text() const override;
    QString selectionText() const override;
};
