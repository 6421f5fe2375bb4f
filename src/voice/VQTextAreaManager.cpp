#include "VQTextAreaManager.h"

#include "MMLog.h"
#include "NotificationCenter.h"
#include "VQNotificationNames.h"

#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <utility>

namespace {

std::atomic<bool> g_loggedUnreachable{false};

// How the element counts its offsets.
enum class Unit { Utf16, CodePoint };

qint64 codePoints(const QString& text)
{
    qint64 n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        ++n;
    }
    return n;
}

qint64 unitsOf(const QString& text, Unit unit)
{
    return unit == Unit::Utf16 ? text.size() : codePoints(text);
}

// The UTF-16 index of an offset in the element's unit, at most the end.
qsizetype indexOf(const QString& text, qint64 offset, Unit unit)
{
    if (unit == Unit::Utf16)
        return qsizetype(std::min<qint64>(offset, text.size()));
    qsizetype i = 0;
    for (qint64 n = 0; n < offset && i < text.size(); ++n) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        ++i;
    }
    return i;
}

} // namespace

// Lives on the manager's thread and holds its whole state.
class VQTextAreaManager::Worker : public QObject {
public:
    using Element = AccessibilityBackend::Element;

    std::function<std::unique_ptr<AccessibilityBackend>()> factory;
    std::unique_ptr<AccessibilityBackend> backend;

    Element currentUIElement;
    Element textElementRef;
    QString textElementRefValue;
    Unit unit = Unit::Utf16;
    qsizetype insertTextPos = 0; // UTF-16 index in textElementRefValue

    AccessibilityBackend* ensureBackend()
    {
        if (!backend)
            backend = factory ? factory() : AccessibilityBackend::createDefault();
        return backend.get();
    }

    void clear()
    {
        currentUIElement = {};
        textElementRef = {};
        textElementRefValue.clear();
    }

    void startMonitorUIElement()
    {
        clear();
        AccessibilityBackend* b = ensureBackend();
        if (!b || !b->isReachable()) {
            if (!g_loggedUnreachable.exchange(true))
                VQLogWarn(QStringLiteral("the accessibility bus cannot be reached: recognised text is not written into fields"));
            return;
        }
        updateCurrentUIElement();
    }

    void updateCurrentUIElement()
    {
        const Element element = backend->elementAtPointer();
        if (element.isNull())
            return;
        currentUIElement = element;
        updateUIElementInfo();
    }

    void updateUIElementInfo()
    {
        Element found;
        getDeepestUIElementRef(currentUIElement, found, 0);
        if (found.isNull())
            return;
        const std::optional<AccessibilityBackend::TextState> state = backend->textState(found);
        if (!state)
            return;
        const qint64 utf16 = state->text.size();
        const qint64 points = codePoints(state->text);
        if (state->characterCount == utf16)
            unit = Unit::Utf16;
        else if (state->characterCount == points)
            unit = Unit::CodePoint;
        else {
            VQLogWarn(QStringLiteral("a text field's text cannot be read whole (%1 characters read, %2 reported): not written")
                          .arg(utf16)
                          .arg(state->characterCount));
            return;
        }
        textElementRef = found;
        textElementRefValue = state->text;
        if (state->caretOffset >= 0)
            insertTextPos = indexOf(state->text, state->caretOffset, unit);
        insertTextPos = std::min<qsizetype>(insertTextPos, textElementRefValue.size());
    }

    // Depth first; the last editable element found wins. Password fields never count.
    void getDeepestUIElementRef(const Element& element, Element& found, int depth)
    {
        static constexpr int kMaxDepth = 64;
        if (depth > kMaxDepth)
            return;
        if (backend->isEditableText(element)) {
            if (!backend->isPassword(element))
                found = element;
            return;
        }
        const QList<Element> children = backend->children(element);
        for (const Element& child : children)
            getDeepestUIElementRef(child, found, depth + 1);
    }

    void showTextToCurrentTextArea(const QString& text, bool isLast)
    {
        if (textElementRef.isNull() || !backend)
            return;
        const QString before = textElementRefValue.left(insertTextPos);
        const QString after = textElementRefValue.mid(insertTextPos);
        if (!backend->setTextContents(textElementRef, before + text + after)) {
            VQLogWarn(QStringLiteral("the text field did not take the recognised text"));
            return;
        }
        if (isLast && !backend->setCaretOffset(textElementRef, unitsOf(before, unit) + unitsOf(text, unit)))
            VQLogWarn(QStringLiteral("the caret could not be put behind the recognised text"));
    }
};

VQTextAreaManager& VQTextAreaManager::sharedInstance()
{
    // Never destroyed: the thread is stopped by a post routine of the application instead.
    static VQTextAreaManager* manager = new VQTextAreaManager;
    return *manager;
}

VQTextAreaManager::VQTextAreaManager()
{
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("VQTextAreaManager"));
    m_worker = new Worker;
    m_worker->moveToThread(m_thread);
    QObject::connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread->start();
    qAddPostRoutine([] {
        VQTextAreaManager& m = sharedInstance();
        // The backend goes with its thread.
        QMetaObject::invokeMethod(m.m_worker, [w = m.m_worker] { w->backend.reset(); }, Qt::BlockingQueuedConnection);
        m.m_thread->quit();
        m.m_thread->wait();
    });
}

VQTextAreaManager::~VQTextAreaManager() = default;

void VQTextAreaManager::registerNotification()
{
    if (m_observer)
        return;
    m_observer = new QObject;
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(m_observer, QString::fromLatin1(vq::ASRStartNotification), [this](const VQNotification&) { startMonitorUIElement(); });
    center.addObserver(m_observer, QString::fromLatin1(vq::ASRFinishNotification), [](const VQNotification&) {});
}

void VQTextAreaManager::startMonitorUIElement()
{
    QMetaObject::invokeMethod(m_worker, [w = m_worker] { w->startMonitorUIElement(); }, Qt::QueuedConnection);
}

void VQTextAreaManager::performTimerBasedUpdate()
{
    QMetaObject::invokeMethod(
        m_worker,
        [w = m_worker] {
            AccessibilityBackend* b = w->ensureBackend();
            if (b && b->isReachable())
                w->updateCurrentUIElement();
        },
        Qt::QueuedConnection);
}

void VQTextAreaManager::showTextToCurrentTextArea(const QString& text, bool isLast)
{
    QMetaObject::invokeMethod(m_worker, [w = m_worker, text, isLast] { w->showTextToCurrentTextArea(text, isLast); },
                              Qt::QueuedConnection);
}

void VQTextAreaManager::waitForWorker()
{
    QMetaObject::invokeMethod(m_worker, [] {}, Qt::BlockingQueuedConnection);
}

void VQTextAreaManager::resetForTests(std::function<std::unique_ptr<AccessibilityBackend>()> backendFactory)
{
    VQTextAreaManager& m = sharedInstance();
    delete std::exchange(m.m_observer, nullptr);
    QMetaObject::invokeMethod(
        m.m_worker,
        [w = m.m_worker, factory = std::move(backendFactory)]() mutable {
            w->backend.reset();
            w->factory = std::move(factory);
            w->clear();
            w->insertTextPos = 0;
        },
        Qt::BlockingQueuedConnection);
    g_loggedUnreachable = false;
}
