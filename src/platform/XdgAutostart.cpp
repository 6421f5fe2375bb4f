#include "XdgAutostart.h"

#include "MMLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString kAutostartFolder = QStringLiteral("autostart");
const QString kDesktopSuffix = QStringLiteral(".desktop");
const QString kHiddenKey = QStringLiteral("Hidden");
const QString kGnomeEnabledKey = QStringLiteral("X-GNOME-Autostart-enabled");

// Characters that make an Exec argument need quotes.
const QString kReservedCharacters = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");

// A string value of a desktop entry: backslash and control characters escaped.
QString escapeStringValue(const QString& value)
{
    QString escaped;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\':
            escaped += QStringLiteral("\\\\");
            break;
        case u'\n':
            escaped += QStringLiteral("\\n");
            break;
        case u'\t':
            escaped += QStringLiteral("\\t");
            break;
        case u'\r':
            escaped += QStringLiteral("\\r");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QString quoteArgument(const QString& argument)
{
    QString quoted = argument;
    quoted.replace(u'%', QStringLiteral("%%"));
    bool needsQuotes = argument.isEmpty();
    for (const QChar c : argument) {
        if (kReservedCharacters.contains(c)) {
            needsQuotes = true;
            break;
        }
    }
    if (!needsQuotes)
        return quoted;
    QString inner;
    for (const QChar c : quoted) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            inner += u'\\';
        inner += c;
    }
    return u'"' + inner + u'"';
}

QString defaultEntryName()
{
    QString name = QGuiApplication::desktopFileName();
    if (name.endsWith(kDesktopSuffix))
        name.chop(kDesktopSuffix.size());
    if (name.isEmpty())
        name = QCoreApplication::applicationName();
    return name;
}

QString defaultDisplayName()
{
    const QString name = QGuiApplication::applicationDisplayName();
    return name.isEmpty() ? QCoreApplication::applicationName() : name;
}

} // namespace

XdgAutostart::XdgAutostart()
    : XdgAutostart(defaultEntryName(), defaultDisplayName(), {QCoreApplication::applicationFilePath()})
{
}

XdgAutostart::XdgAutostart(const QString& entryName, const QString& displayName, const QStringList& command)
    : m_entryName(entryName)
    , m_displayName(displayName)
    , m_command(command)
{
}

QString XdgAutostart::entryPath() const
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return config + u'/' + kAutostartFolder + u'/' + m_entryName + kDesktopSuffix;
}

QString XdgAutostart::execValue(const QStringList& command)
{
    QStringList arguments;
    for (const QString& argument : command)
        arguments << quoteArgument(argument);
    return escapeStringValue(arguments.join(u' '));
}

QString XdgAutostart::entryText() const
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "Icon=%2\n"
                          "Exec=%3\n"
                          "Terminal=false\n"
                          "%4=true\n")
        .arg(escapeStringValue(m_displayName), escapeStringValue(m_entryName), execValue(m_command), kGnomeEnabledKey);
}

bool XdgAutostart::isEnabled() const
{
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString& rawLine : lines) {
        const QString line = rawLine.trimmed();
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == kHiddenKey && value == QLatin1String("true"))
            return false;
        if (key == kGnomeEnabledKey && value == QLatin1String("false"))
            return false;
    }
    return true;
}

bool XdgAutostart::setEnabled(bool enabled)
{
    const QString path = entryPath();
    if (!enabled) {
        if (QFileInfo::exists(path) && !QFile::remove(path)) {
            VQLogError(QStringLiteral("cannot remove the autostart entry %1").arg(path));
            return false;
        }
        return true;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        VQLogError(QStringLiteral("cannot create the autostart folder for %1").arg(path));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        VQLogError(QStringLiteral("cannot write the autostart entry %1: %2").arg(path, file.errorString()));
        return false;
    }
    file.write(entryText().toUtf8());
    if (!file.commit()) {
        VQLogError(QStringLiteral("cannot write the autostart entry %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}
