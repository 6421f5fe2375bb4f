#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// Asks the user where to save a file, which files to open, or which folder to use.
class FileChooser {
public:
    // The chosen path, or the empty text when the user cancelled.
    using Done = std::function<void(const QString& path)>;

    virtual ~FileChooser();

    // Opens a save dialog in the folder with the file name proposed and returns at once; done is
    // called once, on the main thread, when the dialog ends. Main thread only.
    virtual void chooseSaveFile(const QString& folder, const QString& fileName, Done done) = 0;

    // Opens a dialog choosing existing files (several when multiple) and returns at once; done
    // is called once, on the main thread, with the chosen paths (empty when cancelled).
    using FilesDone = std::function<void(const QStringList& paths)>;
    virtual void chooseOpenFiles(bool multiple, FilesDone done) = 0;

    // Opens a dialog choosing one existing file whose name ends in one of the suffixes (without
    // the dot; any file when empty), its accept button titled acceptLabel; done is called once,
    // on the main thread, with the path (empty when cancelled). The base asks chooseOpenFiles
    // for one file.
    virtual void chooseOpenFile(const QStringList& suffixes, const QString& acceptLabel, Done done);

    // Opens a dialog choosing one existing folder, its accept button titled acceptLabel, modal for
    // parent's window (for the application without a parent); done is called once, on the main
    // thread, with the folder's path (empty when cancelled). The base shows the toolkit's dialog.
    virtual void chooseFolder(QWidget* parent, const QString& acceptLabel, Done done);

    // The implementation in use: the installed one, else the Qt dialog, created on first use.
    static FileChooser& instance();
    // Installs an implementation (tests install a fake); nullptr goes back to the default.
    static void setInstance(FileChooser* chooser);
};

// The toolkit's save dialog: a window of its own (the main window is usually hidden), modal for
// the application, shown without waiting for it.
class QtFileChooser : public FileChooser {
public:
    void chooseSaveFile(const QString& folder, const QString& fileName, Done done) override;
    void chooseOpenFiles(bool multiple, FilesDone done) override;
    void chooseOpenFile(const QStringList& suffixes, const QString& acceptLabel, Done done) override;
};
