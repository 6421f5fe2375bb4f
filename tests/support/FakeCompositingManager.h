#pragma once

#include "CompositingManager.h"

// Answers whatever compositing says and counts the questions. Installs itself for its lifetime.
class FakeCompositingManager : public CompositingManager {
public:
    explicit FakeCompositingManager(bool compositingNow = true) : compositing(compositingNow)
    {
        CompositingManager::setInstance(this);
    }
    ~FakeCompositingManager() override { CompositingManager::setInstance(nullptr); }

    bool isCompositing() override
    {
        ++questions;
        return compositing;
    }

    bool compositing = true;
    int questions = 0;
};
