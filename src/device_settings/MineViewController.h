#pragma once

#include "VQAccountHeader.h"
#include "VQBaseViewController.h"

#include <QPointer>

#include "MineContentView.h"

// The my-device page (tag 4; no navigation item, shown by AppDelegate::selectPageWithTag(4),
// whose selection hook calls getUserInfo()): the account header above the device card.
//
// The header comes from the factory set with setHeaderFactory() (the account subsystem's, set by
// the composition root); it spans the page 50 below its top, 110 high, and the card starts
// under it. Without a factory the card starts 50 below the top. Main thread only.
class MineViewController : public VQBaseViewController {
    Q_OBJECT
public:
    static constexpr int kTag = 4;
    static constexpr int kTopMargin = 50;
    static constexpr int kHeaderHeight = 110;

    explicit MineViewController(QObject* parent = nullptr);
    ~MineViewController() override;

    // The maker of the account header; pages built later use it. An empty one leaves it out.
    static void setHeaderFactory(VQAccountHeaderFactory factory);

    void configUI() override;

    // Refreshes the account shown in the header; nothing without a header.
    void getUserInfo();

    VQBaseView* headerView() const { return m_header.view.data(); }
    MineContentView* contentView() const { return m_contentView.data(); }

protected:
    QWidget* loadView() override;
    void viewDidLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutPage();

    VQAccountHeader m_header;
    QPointer<MineContentView> m_contentView;
    bool m_built = false;
};
