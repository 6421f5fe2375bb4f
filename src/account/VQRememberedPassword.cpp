#include "VQRememberedPassword.h"

#include "CredentialStore.h"
#include "MMLog.h"
#include "QRNLocalizedString.h"
#include "VQPopupWindowTool.h"
#include "VQUserInfoData.h"

namespace {

bool g_unavailableLogged = false;

// Logs what went wrong; an absent keyring only once per process.
void note(const char* operation, CredentialStore::Result result)
{
    using Result = CredentialStore::Result;
    if (result == Result::Unavailable) {
        if (!g_unavailableLogged) {
            g_unavailableLogged = true;
            VQLogWarn(QStringLiteral("No desktop keyring: a remembered password is kept nowhere"));
        }
        return;
    }
    if (result == Result::Failed)
        VQLogWarn(QStringLiteral("Keyring: the password could not be %1").arg(QLatin1String(operation)));
}

void removeItem(const QString& account)
{
    if (account.isEmpty())
        return;
    CredentialStore::instance().remove(account, [](CredentialStore::Result result, const QString&) {
        note("removed", result);
    });
}

} // namespace

namespace VQRememberedPassword {

void loginSucceeded(const QString& previousAccount, const QString& account, const QString& password, bool remember)
{
    if (previousAccount != account)
        removeItem(previousAccount);
    if (!remember) {
        removeItem(account);
        return;
    }
    CredentialStore::instance().store(account, password, [](CredentialStore::Result result, const QString&) {
        if (result == CredentialStore::Result::Stored) {
            VQLogInfo(QStringLiteral("Keyring: the password is remembered"));
            return;
        }
        note("stored", result);
        // Nothing is remembered: the box says so, and the user learns why.
        VQUserInfoData::sharedInstance().setRememberPasswordSwitch(false);
        const char* why = result == CredentialStore::Result::Unavailable ? kNoKeyringText : kKeyringRefusedText;
        VQPopupWindowTool::sharedInstance().showTipMessage(
            QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(why)), QStringLiteral("error_icon"));
    });
}

void forget(const QString& account)
{
    removeItem(account);
}

void load(const QString& account, std::function<void(const QString& password)> found)
{
    if (account.isEmpty())
        return;
    CredentialStore::instance().load(account, [found = std::move(found)](CredentialStore::Result result,
                                                                         const QString& secret) {
        if (result == CredentialStore::Result::Found) {
            if (found)
                found(secret);
            return;
        }
        note("read", result);
    });
}

void resetForTests()
{
    g_unavailableLogged = false;
}

} // namespace VQRememberedPassword
