#pragma once

#include "VQBaseView.h"
#include "VQHttpResult.h"
#include "VQShortcutValidator.h"
#include "VQVoiceCommandItem.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class KeySettingSubModel;
class QFrame;
class VQBackGroundView;
class VQButton;
#include "VQFileOrFolderDialog.h"
class VQLabel;
class VQPopUpButton;
class VQShortcutRecorder;
class VQTextField;

// The editor of one custom voice command (a word and an action: open a file or folder, open a
// web page, press a shortcut, type a text), laid over the page that opens it (showInView), whose
// size it follows; a backdrop swallows the clicks meant for the page.
//
// Voice-command mode creates the command through the command store; an edit first deletes the
// old command and, should the create then fail, creates the old one again. A failed create is
// shown and leaves the editor open with what was typed. The save button is off while a request
// runs, and an edit's steps run to their end even when the editor is cancelled or closed
// meanwhile. Key-function mode (setIsFromMouseSetting(true)) only writes attr0 of the key
// function it was given, and the finish block reports YES; it sends nothing. Cancel calls the
// cancel block, never the finish block.
//
// File and folder targets are "file://" URL texts of the chosen item's absolute path, decoded,
// or a path typed by hand (absolute, or "~/..." in the home folder); for them a record under
// exactly that text holds the item's path (what VQToolManager::openFileWithPath looks for). A
// target whose item is not there is refused with an alert, the editor staying open. Shortcut
// targets are shortcut records (KeyShortcut::toRecordJson). Main thread only.
class AddCommandView : public VQBaseView {
    Q_OBJECT
public:
    using FinishBlock = std::function<void(bool success)>;
    using CancelBlock = std::function<void()>;

    static constexpr int kPanelWidth = 570;
    static constexpr int kPanelHeight = 410;
    static constexpr int kKeyFunctionPanelHeight = 330;
    static constexpr char kMoreImageName[] = "2_more_icon";
    static constexpr char kFileUrlPrefix[] = "file://";

    explicit AddCommandView(QWidget* parent = nullptr);
    ~AddCommandView() override;

    // Covers the host (its whole rect, following its size) and shows the editor.
    void showInView(QWidget* host);

    void setIsFromMouseSetting(bool fromMouseSetting);
    bool isFromMouseSetting() const { return m_isFromMouseSetting; }
    void setKeySubModel(std::shared_ptr<KeySettingSubModel> keySubModel) { m_keySubModel = std::move(keySubModel); }
    void setModel(const VQVoiceCommandItem& model);
    const std::optional<VQVoiceCommandItem>& model() const { return m_model; }
    void setAddOrModifyFinishBlock(FinishBlock block) { m_finishBlock = std::move(block); }
    // Called when the user cancels the editor.
    void setCancelBlock(CancelBlock block) { m_cancelBlock = std::move(block); }

    // Shows the target controls of the type.
    void selectMenuWithIndex(int index);
    void moreBtnClicked();
    void createBtnClicked();
    void cancelBtnClicked();
    void requestCreateCustomizeCmd(const VQVoiceCommandItem& item);
    void addNewCustomItem(const VQVoiceCommandItem& item);
    // Type 0, empty word and target.
    void clearText();

    void configUI() override;
    void configTitle() override;

    // Stores the record of a target naming an existing item under exactly that text; removes
    // the key for anything else (a relative path, a missing item).
    static void storeBookmark(const QString& target);

    QWidget* contentView() const { return m_contentView; }
    VQBackGroundView* bgView() const { return m_bgView; }
    VQLabel* titleLabel() const { return m_titleLabel; }
    VQLabel* functionLabel2() const { return m_functionLabel2; }
    VQLabel* functionLabel3() const { return m_functionLabel3; }
    VQPopUpButton* typeBtn() const { return m_typeBtn; }
    VQTextField* wordTextField() const { return m_wordTextField; }
    VQTextField* pathTextField() const { return m_pathTextField; }
    VQButton* moreBtn() const { return m_moreBtn; }
    VQShortcutRecorder* shortcutsView() const { return m_shortcutsView; }
    VQButton* createBtn() const { return m_createBtn; }
    VQButton* cancelBtn() const { return m_cancelBtn; }
    // The browse dialog while it is open.
    VQFileOrFolderDialog* fileDialog() const { return m_fileDialog; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutPanel();
    QStringList typeTitles() const;
    // The alert of an incomplete form, or of a file or folder target whose item is not there;
    // false when the form can be saved.
    bool checkIncomplete(bool needWord);
    // The absolute path of the item a file or folder target names when it is there; else empty.
    static QString existingItemOf(const QString& target);
    void finishAndClose(bool success);
    void close();
    // The save button is off while a request of the editor runs.
    void setRequestRunning(bool running);
    // Creates the command; when that fails and old is given (an edit), creates old again. Goes on
    // when the editor is gone meanwhile.
    static void createCommand(const QPointer<AddCommandView>& self, const VQVoiceCommandItem& item,
                              const std::optional<VQVoiceCommandItem>& old);
    static void showError(const char* messageKey, const QString& detail);

    std::optional<VQVoiceCommandItem> m_model;
    std::shared_ptr<KeySettingSubModel> m_keySubModel;
    bool m_isFromMouseSetting = false;
    FinishBlock m_finishBlock;
    CancelBlock m_cancelBlock;
    VQShortcutValidator m_validator;
    bool m_closed = false;
    bool m_requestRunning = false;

    VQBackGroundView* m_bgView = nullptr;
    QWidget* m_contentView = nullptr;
    VQLabel* m_titleLabel = nullptr;
    VQLabel* m_functionLabel1 = nullptr;
    VQPopUpButton* m_typeBtn = nullptr;
    VQLabel* m_functionLabel2 = nullptr;
    QFrame* m_wordView = nullptr;
    VQTextField* m_wordTextField = nullptr;
    VQLabel* m_functionLabel3 = nullptr;
    QFrame* m_pathView = nullptr;
    VQTextField* m_pathTextField = nullptr;
    VQButton* m_moreBtn = nullptr;
    VQShortcutRecorder* m_shortcutsView = nullptr;
    VQButton* m_createBtn = nullptr;
    VQButton* m_cancelBtn = nullptr;
    QPointer<VQFileOrFolderDialog> m_fileDialog;
    QPointer<QWidget> m_host;
};
