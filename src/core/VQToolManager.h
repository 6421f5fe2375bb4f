#pragma once

#include <QDateTime>
#include <QFile>
#include <QString>

#include <functional>
#include <memory>

// File paths in the user's Documents folder, the application's daily log file, file handles,
// PCM to WAV conversion, the error alert hook, pasting text, playing shortcut records and
// opening files and web addresses.
class VQToolManager {
public:
    // Shows an error alert: message text and informative (detail) text.
    using ErrorPresenter = std::function<void(const QString& message, const QString& detail)>;

    static VQToolManager& sharedInstance();

    // The user's Documents folder with the name appended as one path component ("/x" and "x"
    // give the same path). The folder is created when missing. Returns "" (and logs an error)
    // when there is no Documents folder or it cannot be created.
    static QString getFilePath(const QString& name);
    // The same without a log line: why there is no path goes to whyNot.
    static QString getFilePath(const QString& name, QString* whyNot);
    // With no usable home folder nothing may be written: every path is "" from then on.
    static void setFilesDisabled(bool disabled);
    static bool filesDisabled();

    // Appends "<yyyy-MM-dd HH:mm:ss.zzz> <text>" to the day's file "<yyyy-MM-dd>_log.txt" in
    // the folder "Log" of Documents (0700; the files 0600). A new file starts with a header of
    // host name, MAC address and system version. Safe to call from any thread.
    static void writeLog(const QString& text);
    // The same on the log worker (one thread, lines in the order given, stamped now): returns
    // at once, so the UI never waits for the disk. mm::flushLogs() (at quit, and before the
    // process ends after the loss of the X server) waits for the queued lines, at most 3 s.
    static void writeLogLater(const QString& text);
    // Waits until every line given to writeLogLater is in its file.
    static void waitForLogWorker();

    // Removes the file when it exists. True when a file was removed.
    static bool deleteFileWithPath(const QString& path);

    // Creates the file (or truncates it when not appending) and returns it open for writing;
    // when appending every write goes to the end. Null on failure, with the error logged.
    static std::unique_ptr<QFile> createFileHandleWithPath(const QString& path, bool isAppend);

    // Wraps a raw 16-bit little-endian mono PCM file into a WAV file at the given sample rate
    // (16000 for the microphone, 8000 for Bluetooth voice). The WAV file, readable by its owner
    // only, is replaced atomically;
    // a trailing odd byte (half a sample) is left out. False on failure, with the error logged.
    static bool pcmConvertToWav(const QString& pcmPath, const QString& wavPath, int sampleRate);
    // The 44-byte header of such a WAV file holding dataSize bytes of samples.
    static QByteArray wavFileHeader(quint32 dataSize, int sampleRate);

    // True when something other than blanks and line breaks is left of the text.
    static bool isHaveText(const QString& text);

    // Shows the error through the presenter that the application shell installs; without one
    // the message is logged as an error. Returns at once; off the main thread the presenter is
    // called from the main thread's event loop.
    void showErrorMsg(const QString& message, const QString& detail);

    // Installs (or with an empty function removes) the presenter of showErrorMsg.
    static void setErrorPresenter(ErrorPresenter presenter);

    // Puts the text on the clipboard and pastes it into the focused application with the paste
    // keys of its program (PasteKeys: Control+V, in terminal emulators Control+Shift+V or
    // Shift+Insert). An empty text, or a clipboard that does not take the text, pastes nothing
    // and leaves the clipboard as it was.
    // True when the paste was posted.
    static bool copyAndPaste(const QString& text);

    // Plays a shortcut record (the JSON object text of "keyCode", "modifierFlagsString" and
    // "modifierFlags"): posts the key of "keyCode" (masked to 16 bits) with the modifiers that the
    // symbols of "modifierFlagsString" name. An empty text, a text that is not a JSON object or a
    // record without an integer "keyCode" posts nothing. True when the key was posted.
    static bool handleShortcut(const QString& shortcutRecord);

    // Opens the file or folder of a file or folder command with the desktop's default
    // application. The command editor stores a marker (any non-empty value) under exactly the
    // command's target text in the standard user defaults; without it nothing is opened. The
    // target is read by localPathOfTarget. False when nothing was opened.
    static bool openFileWithPath(const QString& path);
    // The local path a file or folder target names: a "file:" URL text, an absolute path, or a
    // path in the home folder written "~/..."; empty for anything else (a relative path, another
    // scheme). Whether the item is there is not checked.
    static QString localPathOfTarget(const QString& target);

    // Opens the web address in the default browser. "http://" is put before an address that has
    // neither "http://" nor "https://" (in any letter case) in front; blanks and non-ASCII text
    // are percent-encoded. Only http and https addresses with a host are opened. False when
    // nothing was opened.
    bool openBrowserWithCmdString(const QString& text);

private:
    static void writeLogAt(const QDateTime& now, const QString& text);

    VQToolManager() = default;
    VQToolManager(const VQToolManager&) = delete;
    VQToolManager& operator=(const VQToolManager&) = delete;
};
