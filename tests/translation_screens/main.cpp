// main() of the two-monitor tests: a private home as in every test program, then a private Xorg
// with two monitors (DUMMY0 1920x1080 at +0+0, DUMMY1 1280x1024 at +1920+0, the second at device
// pixel ratio 2), started before QApplication connects to it.
#include "DummyXorgServer.h"
#include "TestProgram.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    vqtest::DummyXorgServer server;
    vqtest::TestProgramSteps steps;
    steps.beforeApplication = [&server] {
        QString error;
        if (!server.start(&error)) {
            std::fprintf(stderr, "two-monitor X server: %s\n", qPrintable(error));
            return 1;
        }
        std::printf("two-monitor X server %s ready in %lld ms\n", qPrintable(server.display()), static_cast<long long>(server.startupMs()));
        std::fflush(stdout);
        ::setenv("DISPLAY", QFile::encodeName(server.display()).constData(), 1);
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        ::setenv("QT_SCREEN_SCALE_FACTORS", "DUMMY0=1;DUMMY1=2", 1);
        ::unsetenv("QT_SCALE_FACTOR");
        ::unsetenv("QT_AUTO_SCREEN_SCALE_FACTOR");
        return 0;
    };
    // The server stops once the application has gone.
    const int result = vqtest::runTestProgram(argc, argv, steps);
    server.stop();
    return result;
}
