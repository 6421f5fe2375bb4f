#include "CredentialStore.h"

#include "SecretServiceCredentialStore.h"
#include "ServiceSlot.h"

CredentialStore::~CredentialStore() = default;

template <>
std::unique_ptr<CredentialStore> ServiceSlot<CredentialStore>::makeDefault()
{
    return std::make_unique<SecretServiceCredentialStore>();
}

CredentialStore& CredentialStore::instance()
{
    return ServiceSlot<CredentialStore>::get();
}

void CredentialStore::setInstance(CredentialStore* store)
{
    ServiceSlot<CredentialStore>::install(store);
}

const char* CredentialStore::resultName(Result result)
{
    switch (result) {
    case Result::Stored:
        return "stored";
    case Result::Found:
        return "found";
    case Result::NotFound:
        return "not found";
    case Result::Unavailable:
        return "unavailable";
    case Result::Failed:
        return "failed";
    }
    return "?";
}
