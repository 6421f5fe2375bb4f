// One program per user: a start on the running program's display hands over, one on another
// display learns that the program runs elsewhere, also where one of the two could not use the
// runtime folder; a program that does not answer is found so.
#include "TestSupport.h"
#include "VQSingleInstance.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using Role = VQSingleInstance::Role;

TEST(SingleInstanceTest, OneProgramPerUserWhateverTheDisplay)
{
    enum Runtime { Usable, OpenToOthers, Unset };
    const struct {
        const char* name;
        Runtime first, second; // the runtime folder as each start finds it
        const char* display;   // of the second start; the first runs on ":0"
        bool answering;
        Role role;
    } rows[] = {
        {"the same display", Usable, Usable, "unix:0.0", true, Role::HandedOver},
        {"another display", Usable, Usable, ":1", true, Role::OtherSession},
        {"another display, the runtime folder opened to others since", Usable, OpenToOthers, ":1", true, Role::OtherSession},
        {"another display without a runtime folder", Usable, Unset, ":1", true, Role::OtherSession},
        {"another display, the first start without a runtime folder", Unset, Usable, ":1", true, Role::OtherSession},
        {"a running program that does not answer", Usable, Usable, ":0", false, Role::NoAnswer},
    };
    const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir runtime;
        const auto setRuntime = [&runtime](Runtime state) {
            ASSERT_TRUE(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                                  | (state == OpenToOthers ? QFile::ReadOther | QFile::ExeOther : QFile::Permissions())));
            if (state == Unset)
                qunsetenv("XDG_RUNTIME_DIR");
            else
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        };
        setRuntime(row.first);
        VQSingleInstance first(VQSingleInstance::defaultFolders(), QStringLiteral("test"), QStringLiteral(":0"));
        ASSERT_EQ(first.claim(), Role::Primary);
        QSignalSpy shown(&first, &VQSingleInstance::showRequested);
        setRuntime(row.second);
        const QStringList folders = VQSingleInstance::defaultFolders();
        std::atomic<int> role {-1};
        // The later start blocks while it asks; the first program answers from this thread's loop.
        std::thread later([&] {
            VQSingleInstance second(folders, QStringLiteral("test"), VQSingleInstance::displayKey(QLatin1String(row.display)));
            role = int(second.claim(row.answering ? VQSingleInstance::kHandOverTimeoutMs : 200));
        });
        if (row.answering) {
            EXPECT_TRUE(vqtest::waitUntil([&] { return role >= 0; }, 10000));
        }
        later.join();
        EXPECT_EQ(role, int(row.role));
        EXPECT_EQ(shown.count(), row.role == Role::HandedOver ? 1 : 0);
    }
    qputenv("XDG_RUNTIME_DIR", runtimeBefore);
}

} // namespace
