#pragma once

#include "AccessibilityBackend.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QThread;

// Writes recognised text straight into the text field under the mouse pointer, through the
// desktop's accessibility interface, without the clipboard: when a recognition starts it finds
// the editable text element under the pointer and the caret in it; each text handed to it then
// replaces what the previous one wrote, at that caret; after the final text the caret is put
// just behind the inserted text.
//
// Nothing is written when no editable element was under the pointer at the start, into password
// fields, or into elements whose text cannot be read whole (its length disagrees with what the
// element reports). Offsets are in the element's own unit (UTF-16 units or code points, told
// by its character count).
//
// One worker thread, "VQTextAreaManager", owns the backend and the whole state; every call
// from any thread is queued there, in order, and returns at once.
class VQTextAreaManager {
public:
    static VQTextAreaManager& sharedInstance();

    // Observes "ASRStartNotification" (runs startMonitorUIElement) and "ASRFinishNotification"
    // (nothing) on the default centre.
    void registerNotification();
    // Clears the target, then (with the accessibility bus reachable) finds the element under
    // the pointer and reads its text and caret.
    void startMonitorUIElement();
    // Reads the element under the pointer, its text and caret again, as a start does without
    // clearing: with nothing under the pointer the earlier target stays. Nothing calls it.
    void performTimerBasedUpdate();
    // Writes the text at the caret found at the start; isLast marks the final text.
    void showTextToCurrentTextArea(const QString& text, bool isLast);

    // Tests only: the backend made on the worker for the next start (nullptr: the real one),
    // the state cleared and the observations dropped. Waits for the worker.
    static void resetForTests(std::function<std::unique_ptr<AccessibilityBackend>()> backendFactory);
    // Tests only: returns once every call queued before has run.
    void waitForWorker();

private:
    VQTextAreaManager();
    ~VQTextAreaManager();

    class Worker;
    QThread* m_thread = nullptr;
    Worker* m_worker = nullptr;
    QObject* m_observer = nullptr;
};
