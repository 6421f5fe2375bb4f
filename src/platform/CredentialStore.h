#pragma once

#include <QString>

#include <functional>

// Keeps secrets (a remembered password) in the desktop's keyring, one item per key under the
// service kServiceName.
//
// Every operation is asynchronous and answers exactly once, on the main thread, from the event
// loop (never inside the call). Answers:
//  - store: Stored, or Unavailable / Failed;
//  - load: Found with the secret, NotFound, or Unavailable / Failed;
//  - remove: NotFound once no item is left under the key (also when there was none), or
//    Unavailable / Failed.
// Unavailable means there is no keyring to talk to (no session bus, no Secret Service); nothing
// is kept anywhere else then. Main thread only.
class CredentialStore {
public:
    enum class Result { Stored, Found, NotFound, Unavailable, Failed };
    using Callback = std::function<void(Result result, const QString& secret)>;

    static constexpr char kServiceName[] = "corvane-companion";

    virtual ~CredentialStore();

    virtual void store(const QString& key, const QString& secret, Callback done) = 0;
    virtual void load(const QString& key, Callback done) = 0;
    virtual void remove(const QString& key, Callback done) = 0;

    // The implementation in use: the installed one, else the Secret Service one, created on
    // first use.
    static CredentialStore& instance();
    // Installs an implementation (tests install a fake); nullptr goes back to the default.
    static void setInstance(CredentialStore* store);

    // A readable name of the result, for log lines.
    static const char* resultName(Result result);
};
