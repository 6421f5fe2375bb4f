#pragma once

#include "Clipboard.h"

#include <QStringList>

// An in-memory clipboard and primary selection. Every text written is kept in writes, the last
// image in image. With
// acceptWrites false a write fails and leaves the content. Installs itself for its lifetime.
class FakeClipboard : public Clipboard {
public:
    FakeClipboard() { Clipboard::setInstance(this); }
    ~FakeClipboard() override { Clipboard::setInstance(nullptr); }

    bool setText(const QString& text) override
    {
        if (!acceptWrites)
            return false;
        content = text;
        writes.append(text);
        return true;
    }

    bool setImage(const QImage& picture) override
    {
        if (!acceptWrites || picture.isNull())
            return false;
        image = picture;
        return true;
    }

    QString text() const override { return content; }
    QString selectionText() const override { return selection; }
    bool ownsSelection() const override { return ownSelection; }

    // Another program (or this one, with ours true) takes the primary selection with the text.
    void changeSelection(const QString& text, bool ours = false)
    {
        selection = text;
        ownSelection = ours;
        notifySelectionChanged();
    }

    QString content;
    QString selection;
    QStringList writes;
    QImage image;
    bool acceptWrites = true;
    bool ownSelection = false;
};
