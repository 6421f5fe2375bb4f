#pragma once

#include "CredentialStore.h"

// The keyring of the desktop session through the Secret Service (qtkeychain, which loads
// libsecret at run time), with no insecure fallback: where there is no Secret Service, every
// operation answers Unavailable. Each operation first asks the session bus whether the Secret
// Service's name is owned and starts a job only then: the name is never activated (an activated
// keyring daemon has no unlocked keyring and would keep the job waiting on a prompt).
//
// qtkeychain finishes its jobs through glib's main context, which Qt's default event
// dispatcher runs; with QT_NO_GLIB=1 set they would never finish, so the store then answers
// Unavailable without starting any.
class SecretServiceCredentialStore : public CredentialStore {
public:
    SecretServiceCredentialStore();
    ~SecretServiceCredentialStore() override;

    void store(const QString& key, const QString& secret, Callback done) override;
    void load(const QString& key, Callback done) override;
    void remove(const QString& key, Callback done) override;

private:
    bool m_usable = true;
};
