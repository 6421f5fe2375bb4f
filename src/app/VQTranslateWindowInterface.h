#pragma once

#include <QRect>
#include <QString>

// The floating translation window as the popup tool and the application delegate reach it. The
// translation subsystem implements it and installs a factory with
// VQPopupWindowTool::setTranslateWindowFactory(). Every call comes on the main thread.
class VQTranslateWindowInterface {
public:
    virtual ~VQTranslateWindowInterface() = default;

    virtual void showInWindow() = 0;
    virtual void dismissWindow() = 0;
    // The source text and the translation.
    virtual void setFanText(const QString& text) = 0;
    virtual void setYiText(const QString& text) = 0;
    // True between showInWindow() and dismissWindow().
    virtual bool isShow() const = 0;
    // The window's content area in global screen coordinates (a click outside it closes the
    // window).
    virtual QRect contentGlobalRect() const = 0;
};
