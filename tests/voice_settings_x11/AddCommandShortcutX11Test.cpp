// A shortcut command made as the user makes it on a real X server: Ctrl+Alt+K typed through
// XTest into the command editor's recorder (the global shortcuts suspended meanwhile) reaches the
// stand-in API server, and the record read back from the table posts Ctrl+Alt+K to a window.
#include "../voice_pages/PagesFixture.h"

#include "AddCommandView.h"
#include "KeyShortcut.h"
#include "VQButton.h"
#include "VQPopUpButton.h"
#include "VQShortcutBinder.h"
#include "VQShortcutRecorder.h"
#include "VQTextField.h"
#include "XTestUser.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>

#include <X11/keysym.h>

using namespace pagestest;

namespace {

// Records the keys it receives.
class KeyWindow : public QWidget {
public:
    KeyWindow() { setFocusPolicy(Qt::StrongFocus); }
    QList<std::pair<int, Qt::KeyboardModifiers>> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys.append({event->key(), event->modifiers()}); }
};

class AddCommandShortcutX11Test : public PagesFixture {};

TEST_F(AddCommandShortcutX11Test, RecordedShortcutBecomesAPlayableCommand)
{
    XTestUser user;
    ASSERT_TRUE(user.ok());
    QWidget host;
    host.setGeometry(100, 100, 800, 640);
    host.show();
    host.activateWindow();
    ASSERT_TRUE(vqtest::waitUntil([&] { return host.isActiveWindow(); }));
    QPointer<AddCommandView> editor = new AddCommandView;
    editor->showInView(&host);
    editor->typeBtn()->menu()->actions().at(VQVoiceCommandItem::kShortcutsIndex)->trigger();
    editor->wordTextField()->setText(QStringLiteral("锁屏"));
    VQShortcutRecorder* recorder = editor->shortcutsView();
    ASSERT_TRUE(recorder->isVisible());
    vqtest::spin(200);

    user.click(recorder->mapToGlobal(recorder->rect().center()));
    ASSERT_TRUE(vqtest::waitUntil([&] { return recorder->isRecording(); }));
    EXPECT_TRUE(VQShortcutBinder::sharedBinder().isSuspended());
    user.key(XK_Control_L, true);
    user.key(XK_Alt_L, true);
    user.tap(XK_k);
    user.key(XK_Alt_L, false);
    user.key(XK_Control_L, false);
    const KeyShortcut ctrlAltK = KeyShortcut::fromQtKey(Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
    ASSERT_TRUE(vqtest::waitUntil([&] { return recorder->shortcutValue() == ctrlAltK; }));
    EXPECT_FALSE(recorder->isRecording());
    EXPECT_FALSE(VQShortcutBinder::sharedBinder().isSuspended());

    editor->createBtn()->performClick();
    ASSERT_TRUE(vqtest::waitUntil([&] { return editor.isNull(); }, 10000));
    EXPECT_EQ(heldWords(), QStringList{QStringLiteral("shortcuts:锁屏>") + ctrlAltK.toRecordJson()});

    VQCommandViewModel::resetForTests();
    const QList<VQVoiceCommandItem>& stored = VQCommandViewModel::sharedInstance().customizeCmdListArray();
    ASSERT_EQ(stored.size(), 1);
    KeyWindow target;
    target.setGeometry(200, 200, 300, 200);
    target.show();
    target.activateWindow();
    target.setFocus();
    ASSERT_TRUE(vqtest::waitUntil([&] { return target.hasFocus(); }));
    ASSERT_TRUE(VQToolManager::handleShortcut(stored[0].customName));
    ASSERT_TRUE(vqtest::waitUntil([&] {
        for (const auto& [key, modifiers] : target.keys) {
            if (key == Qt::Key_K && modifiers == (Qt::ControlModifier | Qt::AltModifier))
                return true;
        }
        return false;
    }, 10000));
}

} // namespace
