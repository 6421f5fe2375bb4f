#pragma once

#include <QElapsedTimer>
#include <QString>

#include <memory>

class AppDelegate;
class BleCentral;
class HidTransport;
class QMessageBox;
class VQQuitSignalWatcher;
class VQSingleInstance;

// The program's composition root: the one place that knows every library. It gives the
// application its identity, installs the crash handlers and logging, hands the device
// transports it is given to the platform layer, fills the application delegate's hooks from
// the libraries above src/app, registers their pages, turns SIGTERM, SIGINT and SIGHUP into the
// quit sequence, and logs "ready in N ms" when the first face is on the screen.
//
// One program runs per user and settings folder (VQSingleInstance): made in a later start on the
// same display, the root asks the running one to show itself (its main window, or its guide
// without a device) and handedOver() is true; main() then builds nothing more, compose() wires
// nothing and exec() returns 0 at once. A later start on another display (another session of the
// user), or one that finds the running program not answering, shows an alert on its own display
// saying so, and exec() returns once it is closed (0, or 1 for no answer).
//
// The shipped program hands in hidapi and Qt Bluetooth; the simulated-device program of the
// tests hands in simulated devices. Nothing else differs between them.
//
// One per process, made right after the QApplication, on the main thread.
class VQCompositionRoot {
public:
    // startClock: started at the top of main(), so the "ready" figure counts the whole start.
    explicit VQCompositionRoot(QElapsedTimer startClock);
    ~VQCompositionRoot();
    VQCompositionRoot(const VQCompositionRoot&) = delete;
    VQCompositionRoot& operator=(const VQCompositionRoot&) = delete;

    // Installs the transports and wires the program; its start-up runs once exec() runs the
    // event loop. Once. The transports must outlive exec().
    void compose(HidTransport& hid, BleCentral& ble);

    // Runs the event loop until the quit sequence ends it, then takes the transports out of
    // the platform layer again. Returns the exit code: 0 at once after a hand-over to the
    // running program, 0 after the alert that it runs in another session, 1 after the alert that
    // a running program did not answer.
    int exec();
    // True when the program was found running already (or not answering: exec() returns 1).
    bool handedOver() const { return m_exitCode >= 0; }

    // Why the user's home folder cannot hold the program's files ("" when it can): HOME unset or
    // empty, not an absolute path, not a folder, or not writable.
    static QString homeFolderProblem();

    // UI strings (keys of QRNLocalizedString).
    static constexpr char kNoHomeText[] = "找不到可用的主文件夹，设置和记录都不会保存";
    static constexpr char kOtherSessionText[] = "程序已在您的另一个会话中运行。请在那里使用，或先在那里退出。";
    static constexpr char kNoAnswerText[] = "程序已在运行，但没有响应。请结束它后再重新启动。";

    // The alert of a start that ends without running (textKey: kOtherSessionText or
    // kNoAnswerText), in the UI language. The caller owns it.
    static QMessageBox* makeStartAlert(const char* textKey);

    // The delegate made by compose(); nullptr before.
    AppDelegate* delegate() const { return m_delegate.get(); }

private:
    // The process around the program: a later start's request to show, SIGTERM, SIGINT and
    // SIGHUP as the quit sequence, and the "ready" line once the first face is on the screen.
    void watchProcess(AppDelegate& delegate);

    QElapsedTimer m_startClock;
    // Set when the home folder is unusable: the program shows its guide, says why, and writes
    // nothing (no settings, logs, crash files or database).
    QString m_homeProblem;
    std::unique_ptr<AppDelegate> m_delegate;
    std::unique_ptr<VQQuitSignalWatcher> m_quitSignals;
    std::unique_ptr<VQSingleInstance> m_instance;
    int m_exitCode = -1; // set when the program must not run
    const char* m_alertText = nullptr; // what exec() tells the user then, if anything
};
