#pragma once

#include "Autostart.h"

#include <QString>
#include <QStringList>

// Start at login through an XDG autostart entry: a desktop entry file in the "autostart" folder
// of the user's configuration folder ($XDG_CONFIG_HOME, normally ~/.config/autostart), which
// desktop sessions start at login. Enabling writes the file, disabling removes it. An entry that
// the desktop's settings marked as hidden or disabled counts as off.
class XdgAutostart : public Autostart {
public:
    // For this program: the entry is named as its desktop file (else its application name) and
    // runs its executable. The icon is the theme icon of the entry's name (the installed
    // program's icon carries the desktop file's name).
    XdgAutostart();
    XdgAutostart(const QString& entryName, const QString& displayName, const QStringList& command);

    bool isEnabled() const override;
    bool setEnabled(bool enabled) override;

    // The entry's file: <config>/autostart/<entryName>.desktop.
    QString entryPath() const;
    // The entry's text.
    QString entryText() const;

    // The command as the value of a desktop entry's Exec key: arguments with reserved characters
    // quoted, '"' '`' '$' '\' escaped inside quotes, '%' doubled, then escaped as a string value.
    static QString execValue(const QStringList& command);

private:
    QString m_entryName;
    QString m_displayName;
    QStringList m_command;
};
