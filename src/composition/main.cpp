// The shipped program: the real device transports (hidapi on hidraw, Qt Bluetooth) handed to
// the composition root, which builds and runs everything else.
#include "HidapiTransport.h"
#include "QtBleCentral.h"
#include "VQCompositionRoot.h"
#include "XcbPlatform.h"

#include <QApplication>
#include <QElapsedTimer>

int main(int argc, char** argv)
{
    QElapsedTimer startClock;
    startClock.start();

    XcbPlatformArguments arguments(argc, argv);
    QApplication app(arguments.argc(), arguments.argv());
    VQCompositionRoot root(startClock);
    // Started again: the running program shows itself; no device is touched here.
    if (root.handedOver())
        return root.exec();
    HidapiTransport hid;
    QtBleCentral ble;
    root.compose(hid, ble);
    return root.exec();
}
