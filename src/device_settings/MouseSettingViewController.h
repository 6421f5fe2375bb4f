#pragma once

#include "VQBaseViewController.h"

#include <QList>
#include <QPointer>

#include <memory>

class KeySettingModel;
class KeySettingView;
class MouseSettingModel;
class QLabel;
class QScrollArea;
class VQButton;
class VQLabel;

// Page 0 of the main window: the product image, one section per customisable key, the
// auxiliary section with the DPI and report-rate rows (always last), the RGB switch, and the
// reset, refresh, permissions and AI buttons. The model information comes from
// VQCustomerKeyService; the page rebuilds after every applied record and after the device's
// function, DPI and report-rate reports. While no record could be loaded (offline, none stored)
// a notice above the sections says so, the reset button is hidden, and each showing of the page
// fetches again.
class MouseSettingViewController : public VQBaseViewController {
    Q_OBJECT
public:
    static constexpr int kTag = 0;
    // Layout (points).
    static constexpr int kScrollSide = 30;
    static constexpr int kScrollTop = 50;
    static constexpr int kSectionRightInset = 400;
    static constexpr int kSectionGap = 30;
    static constexpr int kImageSide = 450;
    static constexpr int kImageRight = 100;
    static constexpr int kImageTop = 140;
    // Product codes with rules of their own.
    static constexpr char kNoDpiProduct[] = "201";
    static constexpr char kRgbProduct[] = "41";
    static constexpr int kFunctionSwitchProduct = 260;
    // The receiver that takes no report rate.
    static constexpr int kNoRateVid = 0x248A;
    static constexpr int kNoRatePid = 0x61AB;

    explicit MouseSettingViewController(QObject* parent = nullptr);
    ~MouseSettingViewController() override;

    void configUI() override;
    void configData() override;
    void configTitle() override;
    void updateLightingEffects();

    // Button actions.
    void rgbBtnClicked();
    void resetKeyFunctionBtnClicked();
    void refreshBtnClicked();
    void permissionBtnClicked();
    void enterAIBtnClicked();

    // The sections of the last rebuild, in order.
    const QList<KeySettingView*>& sections() const { return m_sections; }
    std::shared_ptr<MouseSettingModel> auxiliarySetModel();
    std::shared_ptr<KeySettingModel> dpiSettingModel();
    std::shared_ptr<KeySettingModel> reportRateSettingModel();

    QScrollArea* scrollView() const { return m_scrollView; }
    QWidget* contentView() const { return m_contentView; }
    QLabel* productImageView() const { return m_imageView; }
    VQButton* aiButton() const { return m_aiButton; }
    VQButton* resetButton() const { return m_resetButton; }
    VQButton* refreshButton() const { return m_refreshButton; }
    VQButton* permissionButton() const { return m_permissionButton; }
    VQButton* rgbSwitch() const { return m_rgbSwitch; }
    VQLabel* rgbLabel() const { return m_rgbLabel; }
    bool isRgbOn() const { return m_rgbOn; }

protected:
    QWidget* loadView() override;
    void viewDidLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeViews(QWidget* page);
    void layoutControls();
    void layoutSections();
    void updateRgbRow();
    void updateProductImage();
    void showRgbSwitch(bool on);

    std::shared_ptr<MouseSettingModel> m_auxiliary;
    std::shared_ptr<KeySettingModel> m_dpiItem;
    std::shared_ptr<KeySettingModel> m_rateItem;
    QList<KeySettingView*> m_sections;
    QScrollArea* m_scrollView = nullptr;
    QObject* m_sectionsViewport = nullptr; // the scroll view's viewport, whose resizes place the sections
    QWidget* m_contentView = nullptr;
    QLabel* m_imageView = nullptr;
    VQButton* m_aiButton = nullptr;
    VQButton* m_resetButton = nullptr;
    VQButton* m_refreshButton = nullptr;
    VQButton* m_permissionButton = nullptr;
    VQButton* m_rgbSwitch = nullptr;
    VQLabel* m_rgbLabel = nullptr;
    VQLabel* m_keysNotice = nullptr; // the key functions could not be loaded
    bool m_rgbOn = false;
};
