#pragma once

#include <QString>

#include <functional>

// The remembered password of the login form, kept in the desktop keyring (CredentialStore)
// under the account name, and only while "记住密码" is on. Never in the settings file.
// Without a keyring nothing is kept (logged once, told at the login); the form still works. Main thread only.
namespace VQRememberedPassword {

// Tips when the password of a login could not be remembered: no keyring to talk to, or the
// keyring did not keep it.
inline constexpr char kNoKeyringText[] = "未能记住密码：没有可用的密钥环服务";
inline constexpr char kKeyringRefusedText[] = "未能记住密码：密钥环未能保存";

// After a successful login with the sent account and password: with the box on the password
// is stored under the account (an item of a previous account removed); when the keyring does
// not keep it the box is turned off and a tip tells why. With the box off any item of the
// account (and of a previous one) is removed.
void loginSucceeded(const QString& previousAccount, const QString& account, const QString& password,
                    bool remember);

// The box was turned off: the item of the stored account is removed.
void forget(const QString& account);

// Asks the keyring for the account's password; `found` runs only when one is there.
void load(const QString& account, std::function<void(const QString& password)> found);

// Tests only: the "no keyring" note may be logged again.
void resetForTests();

} // namespace VQRememberedPassword
