#include "FileChooser.h"

#include "ServiceSlot.h"

#include <QDir>
#include <QFileDialog>

namespace {

// Opens the dialog (deleted on close); done gets the first chosen path, or an empty text when the
// dialog was cancelled: finished comes once, for an accepted and a rejected dialog alike.
void openForOnePath(QFileDialog* dialog, FileChooser::Done done)
{
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, done = std::move(done)](int result) {
        const QStringList chosen = dialog->selectedFiles();
        const QString path = result == QDialog::Accepted && !chosen.isEmpty() ? chosen.first() : QString();
        if (done)
            done(path);
    });
    dialog->open();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace

template <>
std::unique_ptr<FileChooser> ServiceSlot<FileChooser>::makeDefault()
{
    return std::make_unique<QtFileChooser>();
}

FileChooser::~FileChooser() = default;

FileChooser& FileChooser::instance()
{
    return ServiceSlot<FileChooser>::get();
}

void FileChooser::setInstance(FileChooser* chooser)
{
    ServiceSlot<FileChooser>::install(chooser);
}

void FileChooser::chooseOpenFile(const QStringList&, const QString&, Done done)
{
    chooseOpenFiles(false, [done = std::move(done)](const QStringList& paths) {
        if (done)
            done(paths.isEmpty() ? QString() : paths.first());
    });
}

void FileChooser::chooseFolder(QWidget* parent, const QString& acceptLabel, Done done)
{
    auto* dialog = new QFileDialog(parent);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    if (!acceptLabel.isEmpty())
        dialog->setLabelText(QFileDialog::Accept, acceptLabel);
    dialog->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    openForOnePath(dialog, std::move(done));
}

void QtFileChooser::chooseSaveFile(const QString& folder, const QString& fileName, Done done)
{
    auto* dialog = new QFileDialog(nullptr, QString(), QDir(folder).filePath(fileName));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    openForOnePath(dialog, std::move(done));
}

void QtFileChooser::chooseOpenFiles(bool multiple, FilesDone done)
{
    auto* dialog = new QFileDialog(nullptr);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, done = std::move(done)](int result) {
        const QStringList chosen = result == QDialog::Accepted ? dialog->selectedFiles() : QStringList();
        if (done)
            done(chosen);
    });
    dialog->open();
    dialog->raise();
    dialog->activateWindow();
}

void QtFileChooser::chooseOpenFile(const QStringList& suffixes, const QString& acceptLabel, Done done)
{
    auto* dialog = new QFileDialog(nullptr);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    if (!suffixes.isEmpty()) {
        QStringList patterns;
        for (const QString& suffix : suffixes)
            patterns << QStringLiteral("*.") + suffix;
        dialog->setNameFilter(patterns.join(QLatin1Char(' ')));
    }
    if (!acceptLabel.isEmpty())
        dialog->setLabelText(QFileDialog::Accept, acceptLabel);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    openForOnePath(dialog, std::move(done));
}
