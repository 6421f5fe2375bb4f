#pragma once

#include "VQBaseViewController.h"

#include <functional>

class QScrollArea;
class VQBaseView;
class VQSoftwareSettingView;

// The software page (page tag 2 of the main window): the UI-language section with the
// start-at-login switch and, 40 below it, the about-device view that the device settings
// subsystem installs through setAboutViewFactory(). The content is as high as the larger of
// (section height + 40 + about view height + 40) and 650, and scrolls in the page.
class SoftwareManagerViewController : public VQBaseViewController {
    Q_OBJECT
public:
    using AboutViewFactory = std::function<VQBaseView*()>;

    static constexpr int kSectionGap = 40;
    static constexpr int kMinimumContentHeight = 650;
    static constexpr int kSideMargin = 40;

    explicit SoftwareManagerViewController(QObject* parent = nullptr);

    // The maker of the about-device view; used when the page's view is built.
    static void setAboutViewFactory(AboutViewFactory factory);

    VQSoftwareSettingView* languageView() const { return m_languageView; }
    VQBaseView* aboutView() const { return m_aboutView; }
    int contentHeight() const;

    void configUI() override;

protected:
    void viewDidLoad() override;

private:
    static AboutViewFactory& aboutViewFactory();

    QScrollArea* m_scrollArea = nullptr;
    QWidget* m_content = nullptr;
    VQSoftwareSettingView* m_languageView = nullptr;
    VQBaseView* m_aboutView = nullptr;
};
