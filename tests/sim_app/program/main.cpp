// The whole program with simulated devices: the composition root of the shipped program,
// handed the simulated receiver port and Bluetooth LE mouse of tests/support in place of hidapi
// and Qt Bluetooth, driven from outside through the control socket (docs/simulated-device.md).
//
//   corvane-companion-sim --control /tmp/vq-sim.sock [--final-state /tmp/vq-sim-state.json]
//
// CORVANE_SIM_END_OF_SPEECH_MS: the silence after speech (counted in audio) that ends an utterance
// of the offline recogniser, in place of the program's own.
#include "AppDelegate.h"
#include "IFlyASRManager.h"
#include "MMLog.h"
#include "SimulatedBleMouse.h"
#include "SimulatedDeviceControl.h"
#include "SimulatedUsbPort.h"
#include "VQCompositionRoot.h"
#include "X11ErrorTrap.h"
#include "XcbPlatform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QSaveFile>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv)
{
    QElapsedTimer startClock;
    startClock.start();

    XcbPlatformArguments arguments(argc, argv);
    QApplication app(arguments.argc(), arguments.argv());
    VQCompositionRoot root(startClock);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The program with simulated devices, driven through a local socket."));
    parser.addHelpOption();
    const QCommandLineOption control(QStringLiteral("control"), QStringLiteral("Path of the control socket."),
                                     QStringLiteral("path"));
    parser.addOption(control);
    const QCommandLineOption finalState(QStringLiteral("final-state"),
                                        QStringLiteral("File the last state reply is written to at exit."),
                                        QStringLiteral("path"));
    parser.addOption(finalState);
    parser.process(app);
    if (!parser.isSet(control) || parser.value(control).isEmpty()) {
        std::fprintf(stderr, "corvane-companion-sim: --control <socket path> is required\n");
        return 2;
    }

    if (root.handedOver())
        return root.exec();

    SimulatedUsbPort usb;
    SimulatedBleMouse ble;
    SimulatedDeviceControl controller(usb, ble);
    QString error;
    if (!controller.listen(parser.value(control), &error)) {
        VQLogError(QStringLiteral("The control socket %1 could not be opened: %2").arg(parser.value(control), error));
        std::fprintf(stderr, "corvane-companion-sim: cannot listen at %s: %s\n", qPrintable(parser.value(control)),
                     qPrintable(error));
        return 2;
    }
    VQLogInfo(QStringLiteral("Simulated devices: control socket at %1").arg(parser.value(control)));

    // What the devices received up to the end, quit steps included.
    if (parser.isSet(finalState)) {
        QObject::connect(&app, &QCoreApplication::aboutToQuit, &controller, [&controller, path = parser.value(finalState)] {
            QSaveFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(controller.state().toUtf8()) < 0 || !file.commit())
                std::fprintf(stderr, "corvane-companion-sim: cannot write %s\n", qPrintable(path));
        });
    }

    root.compose(usb, ble);
    // ... and after the X server's loss, reading no window.
    X11ErrorTrap::setConnectionLostHandler([end = X11ErrorTrap::connectionLostHandler(), &controller, path = parser.value(finalState)] {
        end();
        QSaveFile file(path);
        if (!path.isEmpty() && QThread::currentThread() == qApp->thread() && file.open(QIODevice::WriteOnly)
            && file.write(controller.state(false).toUtf8()) >= 0)
            file.commit();
    });
    // Tests end an utterance with less silence after the speech than a user is given.
    if (const int silenceMs = qEnvironmentVariableIntValue("CORVANE_SIM_END_OF_SPEECH_MS"); silenceMs > 0) {
        if (VQSpeechRecognizer* recognizer = IFlyASRManager::sharedInstance().recognizer())
            recognizer->setEndOfSpeechSilence(silenceMs);
    }
    controller.onQuit = [&root] {
        if (root.delegate() != nullptr)
            root.delegate()->quit();
    };
    return root.exec();
}
