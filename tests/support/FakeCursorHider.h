#pragma once

#include "CursorHider.h"

// Keeps the hidden state and counts the changes of it. Installs itself for its lifetime.
class FakeCursorHider : public CursorHider {
public:
    FakeCursorHider() { CursorHider::setInstance(this); }
    ~FakeCursorHider() override { CursorHider::setInstance(nullptr); }

    void hide() override
    {
        if (!m_hidden)
            ++hides;
        m_hidden = true;
    }
    void show() override
    {
        if (m_hidden)
            ++shows;
        m_hidden = false;
    }
    bool isHidden() const override { return m_hidden; }

    int hides = 0;
    int shows = 0;

private:
    bool m_hidden = false;
};
