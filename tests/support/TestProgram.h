#pragma once

#include <functional>

namespace vqtest {

// The steps a test program with its own main() takes around its tests, beyond what every test
// program does. A step that returns a status other than 0 ends the program with it.
struct TestProgramSteps {
    // Before the application connects to its display (a private X server, say).
    std::function<int()> beforeApplication;
    // With the application, before the tests (a private sound server, say).
    std::function<int()> withApplication;
    // After the tests, while the application still runs; also when the step before them failed.
    std::function<void()> afterTests;
};

// What every test program does: a private home folder for the process, so tests never touch the
// user's files and test programs running side by side never share one; the application; the
// tests, with the given steps around them. Returns the tests' result once the application and
// the home folder are gone.
int runTestProgram(int argc, char** argv, const TestProgramSteps& steps = {});

} // namespace vqtest
