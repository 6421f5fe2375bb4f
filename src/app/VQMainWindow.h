#pragma once

#include <QWidget>

class QStackedLayout;
class VQLabel;
class VQLeftNavigationView;

// The main window: the left view with the application's name, the navigation and the
// low-battery image, and the right-hand view that shows one page at a time. Closing it only
// hides it; the program lives on in its status item.
class VQMainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 980;
    static constexpr int kHeight = 660;
    static constexpr int kLeftWidth = 220;
    static constexpr char kWindowTitle[] = "Corvane Companion";
    static constexpr char kBrandName[] = "Corvane";
    static constexpr char kLowElectricImageName[] = "lowElectric";
    static constexpr char kAppIconName[] = "AppIcon";

    explicit VQMainWindow(QWidget* parent = nullptr);

    QWidget* leftView() const { return m_leftView; }
    QWidget* rightView() const { return m_rightView; }
    VQLeftNavigationView* navigationView() const { return m_navigationView; }
    // The low-battery image in the left view; hidden at creation.
    VQLabel* lowElectricImageView() const { return m_lowElectricImageView; }

    // Adds a page's view to the right-hand view, hidden.
    void addPageView(QWidget* view);
    // Shows the page's view and hides the others; nullptr shows none.
    void showPageView(QWidget* view);
    QWidget* currentPageView() const;

    // Centres the window on the screen it is on (the primary one before it was shown).
    void centerOnScreen();

Q_SIGNALS:
    // The window is about to appear (each time it is shown); the page to show can still be made.
    void aboutToShow();

protected:
    void showEvent(QShowEvent* event) override;
    // Closed (to the tray), the window gives back its native window and backing store until it
    // is opened again; a window put away for a moment (a capture) keeps them.
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* m_leftView = nullptr;
    QWidget* m_rightView = nullptr;
    QStackedLayout* m_pages = nullptr;
    QWidget* m_emptyPage = nullptr;
    VQLeftNavigationView* m_navigationView = nullptr;
    VQLabel* m_lowElectricImageView = nullptr;
};
