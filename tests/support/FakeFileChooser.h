#pragma once

#include "FileChooser.h"

#include <QStringList>

// Answers every save and open dialog at once with answer (the empty text plays Cancel) and keeps what
// each dialog proposed. Installs itself for its lifetime.
class FakeFileChooser : public FileChooser {
public:
    FakeFileChooser() { FileChooser::setInstance(this); }
    ~FakeFileChooser() override { FileChooser::setInstance(nullptr); }

    void chooseSaveFile(const QString& folder, const QString& fileName, Done done) override
    {
        proposedFolders.append(folder);
        proposedNames.append(fileName);
        if (done)
            done(answer);
    }

    // Answers every open dialog with openAnswer (empty plays Cancel).
    void chooseOpenFiles(bool multiple, FilesDone done) override
    {
        openRequests.append(multiple);
        if (done)
            done(openAnswer);
    }

    QString answer;
    QStringList openAnswer;
    QList<bool> openRequests;
    QStringList proposedFolders;
    QStringList proposedNames;
};
