#pragma once

#include "InputSettingView.h"
#include "VQBaseViewController.h"

#include <QPointer>

#include <array>
#include <functional>

class QScrollArea;
class VQBaseView;

// The smart settings page (navigation tag 1): six settings sections stacked in one vertical
// scroll area, 50 below the page's top. Slot 1 is the voice input section, 2 the translation
// settings, 5 the search engine; slots 3, 4 and 6 hold rows of higher subsystems (selected-text
// and screenshot translation, the low-battery reminder), made by factories that the composition
// root registers. A slot without a factory is left out together with its gap.
//
// Each section starts 44 right of the content's left edge, ends on its right edge and lies 40
// below the one before. The content is as tall as the stack, but never shorter than the visible
// area. The page, its visible area and the content paint white. Only the input section changes
// height after it was built: its refresh block lays the stack out again and scrolls to the top.
// A resized viewport lays it out again too. Main thread only.
class SmartSettingViewController : public VQBaseViewController {
    Q_OBJECT
public:
    using SectionFactory = std::function<VQBaseView*()>;

    static constexpr int sectionCount = 6;
    static constexpr int sectionLeft = 44;
    static constexpr int sectionGap = 40;
    static constexpr int scrollTop = 50;

    explicit SmartSettingViewController(QObject* parent = nullptr);
    ~SmartSettingViewController() override;

    // Registers the maker of the section in slot 3, 4 or 6, replacing an earlier one; other slots
    // belong to the page and are refused. A page already built keeps its sections.
    static bool registerSectionFactory(int slot, SectionFactory factory);
    // Tests only: forgets every registered factory.
    static void resetSectionFactoriesForTests();

    void configUI() override;

    // Creates the scroll area and its content on first use.
    QWidget* contentView();
    QScrollArea* scrollView() const { return m_scrollView; }
    InputSettingView* inputView() const { return m_inputView.data(); }
    // The section of a slot (1-6); nullptr when the slot is empty or the page is not built.
    VQBaseView* section(int slot) const;
    double lastInputViewHeight() const { return m_lastInputViewHeight; }
    double lastScrollViewHeight() const { return m_lastScrollViewHeight; }

    // Lays the stack out again with the input section's current height and scrolls to the top
    // (the input section's refresh block).
    void refreshInputSection();

protected:
    QWidget* loadView() override;
    void viewDidLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutStack();

    QScrollArea* m_scrollView = nullptr;
    // The visible area and the content; guarded, as the area's own teardown still resizes them.
    QPointer<QWidget> m_viewport;
    QPointer<QWidget> m_contentView;
    QPointer<InputSettingView> m_inputView;
    std::array<QPointer<VQBaseView>, sectionCount> m_sections {};
    std::array<double, sectionCount> m_heights {};
    double m_lastInputViewHeight = 0;
    double m_lastScrollViewHeight = 0;
    bool m_built = false;
};
