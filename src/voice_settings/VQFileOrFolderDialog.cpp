#include "VQFileOrFolderDialog.h"

#include "QRNLocalizedString.h"

#include <QFileInfo>

VQFileOrFolderDialog::VQFileOrFolderDialog(Choice choice, QWidget* parent)
    : QFileDialog(parent)
    , m_choice(choice)
{
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(QFileDialog::AcceptOpen);
    if (choice == Choice::FolderOnly) {
        setFileMode(QFileDialog::Directory);
        setOption(QFileDialog::ShowDirsOnly, true);
    } else {
        setFileMode(QFileDialog::ExistingFile);
    }
    setLabelText(QFileDialog::Accept, QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("打开")));
}

void VQFileOrFolderDialog::accept()
{
    const QString first = selectedFiles().value(0);
    const QFileInfo info(first);
    if (!first.isEmpty() && info.exists()) {
        if (info.isDir() || m_choice == Choice::FileOrFolder) {
            // A folder is a choice here, not a place to go into.
            m_chosen = info.absoluteFilePath();
            QDialog::accept();
            return;
        }
    }
    // Folders only, and no folder selected: the dialog's own handling (it stays open).
    QFileDialog::accept();
    if (result() == QDialog::Accepted && m_chosen.isEmpty())
        m_chosen = QFileInfo(selectedFiles().value(0)).absoluteFilePath();
}
