#pragma once

#include "VQVoiceCommandItem.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class CommandWordCellView;
class VQButton;
class VQLabel;
class VQShortcutRecorder;
class QLabel;

// Receives the edit and delete clicks of a command-word row.
class CommandWordCellViewDelegate {
public:
    virtual ~CommandWordCellViewDelegate() = default;
    virtual void commandWordCellViewEditBtnClickedWithModel(CommandWordCellView*, const VQVoiceCommandItem&) {}
    virtual void commandWordCellViewDeleteBtnClickedWithModel(CommandWordCellView*, const VQVoiceCommandItem&) {}
};

// One row of the command-word list: the type icon, the spoken word, the target (or, for a
// shortcut command, its key combination in a read-only shortcut box) and the edit and delete
// buttons. A filler row (no model) shows nothing.
class CommandWordCellView : public QWidget {
    Q_OBJECT
public:
    static constexpr char kEditImageName[] = "4_command_edit_gray_icon";
    static constexpr char kDeleteImageName[] = "4_command_delete_icon";
    // Filled with typeIndex + 1.
    static constexpr char kTypeImageFormat[] = "4_commandType%1_icon";

    explicit CommandWordCellView(QWidget* parent = nullptr);

    void setDelegate(CommandWordCellViewDelegate* delegate) { m_delegate = delegate; }
    qint64 row() const { return m_row; }
    void setRow(qint64 row) { m_row = row; }

    const std::optional<VQVoiceCommandItem>& model() const { return m_model; }
    void setModel(const std::optional<VQVoiceCommandItem>& model);

    QLabel* typeImageView() const { return m_typeImageView; }
    VQLabel* wordLabel() const { return m_wordLabel; }
    VQLabel* contentLabel() const { return m_contentLabel; }
    VQShortcutRecorder* shortcutsView() const { return m_shortcutsView; }
    VQButton* editBtn() const { return m_editBtn; }
    VQButton* delBtn() const { return m_delBtn; }
    // The image name the icon shows; empty for a filler row.
    QString typeImageName() const { return m_typeImageName; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutViews();

    std::optional<VQVoiceCommandItem> m_model;
    CommandWordCellViewDelegate* m_delegate = nullptr;
    qint64 m_row = 0;
    QString m_typeImageName;
    QLabel* m_typeImageView = nullptr;
    VQLabel* m_wordLabel = nullptr;
    VQLabel* m_contentLabel = nullptr;
    VQShortcutRecorder* m_shortcutsView = nullptr;
    VQButton* m_editBtn = nullptr;
    VQButton* m_delBtn = nullptr;
};
