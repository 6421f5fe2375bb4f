#pragma once

#include "VQBaseView.h"
#include "VQVoiceCommandItem.h"

#include <QPointer>

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class KeySettingModel;
class KeySettingSubModel;
class MouseModelSettingModel;
class MouseSettingModel;
class VQLabel;
class VQPopUpButton;

// One press kind of a key on the mouse page: its title and a pop-up of the functions it may
// carry. A pick marks the function, saves it to the server and does what it needs at once (a
// DPI step or report rate to the device). A function with an argument (a file, folder, web
// address, shortcut or text) opens the command editor instead and is saved once the editor is
// confirmed; a cancelled editor gives the press kind its previous function back.
//
// The pick, the save and the editor's finish work on the shared function models and the
// record, never on the row, so they still act when a rebuild has replaced the row.
class KeySettingSubView : public VQBaseView {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 34;
    static constexpr int kPopUpLeft = 100;
    static constexpr int kTitleGap = 15;
    // The pop-up keeps at least this width when the titles take more room.
    static constexpr int kMinPopUpWidth = 150;

    explicit KeySettingSubView(QWidget* parent = nullptr);
    ~KeySettingSubView() override;

    void setMouseModelSettingModel(std::shared_ptr<MouseModelSettingModel> record) { m_record = std::move(record); }
    void setMouseModel(std::shared_ptr<MouseSettingModel> key) { m_mouseModel = std::move(key); }
    // Stores the press kind, then titles and fills the row.
    void setKeyModel(std::shared_ptr<KeySettingModel> keyModel);
    std::shared_ptr<KeySettingModel> keyModel() const { return m_keyModel; }

    void configTitle() override;
    void configData() override;

    // The press kind's pick of entry index: marks it alone, saves and carries it out.
    static void pick(const std::shared_ptr<KeySettingModel>& keyModel, int index);
    // Saves a chosen function (nothing for a DPI step).
    static void saveCustomerKeyWithModel(const std::shared_ptr<KeySettingSubModel>& function);
    // What a function does when it is picked; index is its position in the pop-up.
    static void handleOperationWithModel(const std::shared_ptr<KeySettingSubModel>& function, int index);
    // The command item the editor opens with for the function; none for a function without an
    // argument to give.
    static std::optional<VQVoiceCommandItem> editorItemFor(const std::shared_ptr<KeySettingSubModel>& function);
    // Opens the command editor over the mouse page for the function's argument; cancelled runs
    // when the user cancels it.
    static void addOrModifyCommandWithCommandItem(const VQVoiceCommandItem& item,
                                                  const std::shared_ptr<KeySettingSubModel>& function,
                                                  std::function<void()> cancelled = {});
    // Follows the device's DPI step: marks it alone and selects it; nothing is saved or sent.
    void updateSelectDPI();

    // The widget the command editor covers (the mouse page's view).
    static void setEditorHost(QWidget* host);
    static QWidget* editorHost();

    // Places title and pop-up in the row's current size (also while hidden).
    void layoutRow();
    // The width the title needs in its font.
    int titleTextWidth() const;
    // The room of the title column; the pop-up starts kTitleGap after it (kPopUpLeft at first).
    void setTitleWidth(int width);

    VQLabel* titleLabel() const { return m_titleLabel; }
    VQPopUpButton* popUpBtn() const { return m_popUpBtn; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // A press kind's choice as it was before a pick.
    struct KeyChoice {
        QStringList marks;
        qint64 selectIndex = 0;
        QString selectKey;
        QString selectValue;
    };
    static void restoreChoice(const std::shared_ptr<KeySettingModel>& keyModel, const KeyChoice& previous);

    int m_titleWidth = kPopUpLeft - kTitleGap;
    std::shared_ptr<MouseModelSettingModel> m_record;
    std::shared_ptr<MouseSettingModel> m_mouseModel;
    std::shared_ptr<KeySettingModel> m_keyModel;
    VQLabel* m_titleLabel = nullptr;
    VQPopUpButton* m_popUpBtn = nullptr;
    bool m_observesDpi = false;
};
