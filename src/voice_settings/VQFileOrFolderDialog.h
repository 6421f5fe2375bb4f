#pragma once

#include <QFileDialog>

// The browse dialog of the command editor: Qt's own (non-native) file dialog with the prompt
// "打开". With folders allowed it takes a selected folder as the choice instead of entering it,
// so one dialog chooses files and folders alike; with folders only it lists folders alone.
class VQFileOrFolderDialog : public QFileDialog {
    Q_OBJECT
public:
    enum class Choice { FileOrFolder, FolderOnly };

    VQFileOrFolderDialog(Choice choice, QWidget* parent = nullptr);

    Choice choice() const { return m_choice; }
    // The chosen item's absolute path once the dialog was accepted; empty otherwise.
    QString chosenPath() const { return m_chosen; }

public Q_SLOTS:
    void accept() override;

private:
    Choice m_choice;
    QString m_chosen;
};
