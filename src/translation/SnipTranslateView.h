#pragma once

#include "VQTranslateRowView.h"

class QFrame;
class VQShortcutRecorder;

// The settings row "截图翻译": the screenshot-translation switch, the recognition language and
// the translation target pickers, and the recorder of the shortcut stored under
// "SnipShortcutKey". It follows the translation window's target pop-up
// (kUpdateSnipTranslateIndexNotification), a new recognition list (kUpdateOCRListNotification)
// and a new target list (kUpdateTranslateListNotification) from the server.
class SnipTranslateView : public VQTranslateRowView {
    Q_OBJECT
public:
    static constexpr int rowHeight = 188;

    explicit SnipTranslateView(QWidget* parent = nullptr);

    void configUI() override;
    void configTitle() override;
    void configData() override;

    // A new recognition list: the recognition picker shows it with the stored index.
    void updateSnipFromTranslateIndexNotification();
    // The window's pop-up changed the target: the target picker shows the stored index.
    void updateSnipTranslateIndexNotification();
    // Lets the user choose the folder screenshots are saved in (a folder chooser on the main
    // window); a confirmed choice is stored as screenshotsPath. No control of the row calls it.
    void moreBtnClicked(QObject* sender = nullptr);

    VQLabel* functionLabel1() const { return m_functionLabel1; }
    VQShortcutRecorder* shortcutsView() const { return m_shortcutsView; }

private:
    VQLabel* m_functionLabel1 = nullptr;
    QFrame* m_shortcutBox = nullptr;
    VQShortcutRecorder* m_shortcutsView = nullptr;
};
