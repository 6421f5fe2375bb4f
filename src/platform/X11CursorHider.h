#pragma once

#include "CursorHider.h"

// Hides the pointer on the whole desktop with XFixes, through the application's own connection:
// the server shows it again by itself should the program end while it is hidden. Without an X
// display (offscreen) only the state is kept.
class X11CursorHider : public CursorHider {
public:
    ~X11CursorHider() override;

    void hide() override;
    void show() override;
    bool isHidden() const override { return m_hidden; }

private:
    bool m_hidden = false;
};
