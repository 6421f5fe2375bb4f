// The command editor in voice-command mode (create, edit, checks, cancel), its browse dialog,
// and key-function mode.
#include "PagesFixture.h"

#include "AddCommandView.h"
#include "CommandWordCellView.h"
#include "CommandWordView.h"
#include "KeySettingSubModel.h"
#include "KeyShortcut.h"
#include "UserDefaults.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQPopUpButton.h"
#include "VQRowTableView.h"
#include "VQShortcutRecorder.h"
#include "VQTextField.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTest>

#include <memory>

using namespace pagestest;

namespace {

class AddCommandViewTest : public PagesFixture {
protected:
    void SetUp() override
    {
        PagesFixture::SetUp();
        host = std::make_unique<QWidget>();
        host->resize(800, 640);
        host->show();
    }
    void TearDown() override
    {
        host.reset();
        PagesFixture::TearDown();
    }
    // A new editor over the host; its finish block counts into finishes.
    QPointer<AddCommandView> open(const std::optional<VQVoiceCommandItem>& model = std::nullopt)
    {
        auto* editor = new AddCommandView;
        if (model)
            editor->setModel(*model);
        editor->showInView(host.get());
        editor->setAddOrModifyFinishBlock([this](bool ok) { finishes.append(ok); });
        return editor;
    }
    static void pickType(AddCommandView* editor, int index)
    {
        editor->typeBtn()->menu()->actions().at(index)->trigger();
    }
    static void fill(AddCommandView* editor, int type, const QString& word, const QString& target)
    {
        pickType(editor, type);
        editor->wordTextField()->setText(word);
        editor->pathTextField()->setText(target);
    }
    bool waitClosed(const QPointer<AddCommandView>& editor)
    {
        return vqtest::waitUntil([&] { return editor.isNull(); }, 10000);
    }

    std::unique_ptr<QWidget> host;
    QList<bool> finishes;
};

// A web command reaches the server and the list shows it; changing the type empties the target
// and keeps the word; the editor follows its host's size.
TEST_F(AddCommandViewTest, WebCommandRoundTrip)
{
    auto* list = new CommandWordView(host.get());
    list->setGeometry(host->rect());
    list->show();
    list->addCommandBtn()->performClick();
    QPointer<AddCommandView> editor = list->editor();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->contentView()->size(), QSize(AddCommandView::kPanelWidth, AddCommandView::kPanelHeight));
    host->resize(900, 700);
    EXPECT_EQ(editor->geometry(), host->rect());

    fill(editor, 2, QStringLiteral("新闻"), QStringLiteral("https://news.example/?q=a b"));
    pickType(editor, 4);
    EXPECT_TRUE(editor->pathTextField()->text().isEmpty());
    EXPECT_EQ(editor->wordTextField()->text(), QStringLiteral("新闻"));
    pickType(editor, 2);
    editor->pathTextField()->setText(QStringLiteral("https://news.example/?q=a b"));
    editor->createBtn()->performClick();
    ASSERT_TRUE(waitClosed(editor));
    EXPECT_EQ(heldWords(), QStringList{QStringLiteral("website:新闻>https://news.example/?q=a b")});
    ASSERT_TRUE(vqtest::waitUntil([&] { return list->cellAt(0)->model().has_value(); }));
    EXPECT_EQ(list->cellAt(0)->contentLabel()->text(), QStringLiteral("https://news.example/?q=a b"));
}

// Incomplete forms, a file or folder that is not there and an exact custom duplicate are refused
// before anything is sent; another letter case and a common command's word are accepted.
TEST_F(AddCommandViewTest, FormChecks)
{
    held[QStringLiteral("SN-A")] = {item("text", QStringLiteral("open"), QStringLiteral("x"))};
    VQCommandViewModel::sharedInstance().requestNetCustomizeCmdList();
    ASSERT_TRUE(vqtest::waitUntil([] { return !VQCommandViewModel::sharedInstance().customizeCmdListArray().isEmpty(); }));
    VQVoiceCommandItem common;
    common.cmdWord = QStringLiteral("天气");
    common.cmdExecute = QStringLiteral("https://weather.example");
    VQCommandViewModel::sharedInstance().setCommonCmdListArray({common});
    server.clearRequests();

    struct Row {
        const char* name;
        int type;
        QString word;
        QString target;
        const char* alert; // nullptr: accepted
    };
    const Row table[] = {
        {"no word", 4, QString(), QStringLiteral("t"), "信息不能为空"},
        {"no target", 2, QStringLiteral("w"), QString(), "信息不能为空"},
        {"no key recorded", 3, QStringLiteral("w"), QString(), "信息不能为空"},
        {"custom duplicate", 4, QStringLiteral("open"), QStringLiteral("t"), "指令词已存在"},
        {"other letter case", 4, QStringLiteral("Open"), QStringLiteral("t"), nullptr},
        {"common command's word", 4, QStringLiteral("天气"), QStringLiteral("t"), nullptr},
        {"file not there", 0, QStringLiteral("w"), QStringLiteral("/no/such/report.txt"), "文件或文件夹不存在"},
        {"folder by a relative path", 1, QStringLiteral("w"), QStringLiteral("docs"), "文件或文件夹不存在"},
    };
    int creates = 0;
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        errors.clear();
        QPointer<AddCommandView> editor = open();
        fill(editor, row.type, row.word, row.target);
        editor->createBtn()->performClick();
        if (row.alert) {
            vqtest::spin(100);
            ASSERT_EQ(errors.size(), 1);
            EXPECT_EQ(errors[0].first, tr8(row.alert));
            EXPECT_TRUE(editor);
            EXPECT_EQ(editor->wordTextField()->text(), row.word);
            delete editor.data();
        } else {
            ASSERT_TRUE(waitClosed(editor));
            ++creates;
            EXPECT_TRUE(errors.isEmpty());
        }
        EXPECT_EQ(requestsTo(QStringLiteral("/api/saveDeviceCmd")), creates);
    }
}

// Cancel sends nothing and calls no block. An edit whose delete is refused stays open; an edit
// whose create is refused leaves the old command on the server and the list reloads.
TEST_F(AddCommandViewTest, CancelAndFailedEdits)
{
    const VQVoiceCommandItem old = item("text", QStringLiteral("签名"), QStringLiteral("old"));
    held[QStringLiteral("SN-A")] = {old};
    auto* list = new CommandWordView(host.get());
    list->setGeometry(host->rect());
    ASSERT_TRUE(vqtest::waitUntil([&] { return list->cellAt(0)->model().has_value(); }, 10000));
    server.clearRequests();

    QPointer<AddCommandView> editor = open(old);
    EXPECT_EQ(editor->wordTextField()->text(), old.customCmd);
    EXPECT_EQ(editor->createBtn()->title(), tr8("创建"));
    editor->cancelBtnClicked();
    ASSERT_TRUE(waitClosed(editor));
    vqtest::spin(100);
    EXPECT_EQ(server.requestCount(), 0);
    EXPECT_TRUE(finishes.isEmpty());

    refuseDelete = true;
    editor = open(old);
    editor->pathTextField()->setText(QStringLiteral("new"));
    editor->createBtn()->performClick();
    ASSERT_TRUE(vqtest::waitUntil([&] { return !errors.isEmpty(); }, 10000));
    EXPECT_EQ(errors.last(), std::make_pair(tr8("编辑失败"), QStringLiteral("不能删除")));
    EXPECT_TRUE(editor && editor->isVisible());
    EXPECT_TRUE(finishes.isEmpty());
    delete editor.data();

    // A refused create, new or edited, is shown and keeps the editor open with what was typed (an
    // edit's old command goes back first); another try saves.
    refuseDelete = false;
    for (const bool edit : {false, true}) {
        SCOPED_TRACE(edit);
        refuseCreates = 1;
        finishes.clear();
        if (edit)
            list->cellAt(0)->editBtn()->performClick();
        editor = edit ? QPointer<AddCommandView>(list->editor()) : open();
        ASSERT_TRUE(editor);
        fill(editor, 4, edit ? old.customCmd : QStringLiteral("新"), QStringLiteral("new"));
        const int creates = requestsTo(QStringLiteral("/api/saveDeviceCmd"));
        editor->createBtn()->performClick();
        ASSERT_TRUE(waitForRequests(QStringLiteral("/api/saveDeviceCmd"), creates + (edit ? 2 : 1)));
        ASSERT_TRUE(vqtest::waitUntil([&] { return editor->createBtn()->isEnabled() && heldWords().contains(QStringLiteral("text:签名>old")); }, 10000));
        EXPECT_EQ(errors.last(), std::make_pair(tr8("创建失败"), QStringLiteral("不能创建")));
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(editor->pathTextField()->text(), QStringLiteral("new"));
        EXPECT_TRUE(finishes.isEmpty());
        editor->createBtn()->performClick();
        ASSERT_TRUE(waitClosed(editor));
    }
    EXPECT_EQ(heldWords(), (QStringList{QStringLiteral("text:新>new"), QStringLiteral("text:签名>new")}));
    ASSERT_TRUE(vqtest::waitUntil([&] { return list->cellAt(1)->contentLabel()->text() == QStringLiteral("new"); }, 10000));
}

TEST_F(AddCommandViewTest, EditRunsToItsEndWhateverTheEditorDoes)
{
    const VQVoiceCommandItem old = item("text", QStringLiteral("签名"), QStringLiteral("old"));
    held[QStringLiteral("SN-A")] = {old};
    deleteDelayMs = 300;
    QPointer<AddCommandView> editor = open(old);
    editor->pathTextField()->setText(QStringLiteral("new"));
    editor->createBtn()->performClick();
    EXPECT_FALSE(editor->createBtn()->isEnabled());
    editor->createBtn()->performClick();
    editor->createBtnClicked();
    editor->cancelBtnClicked();
    ASSERT_TRUE(waitClosed(editor));
    ASSERT_TRUE(vqtest::waitUntil([&] { return heldWords() == QStringList{QStringLiteral("text:签名>new")}; }, 10000))
        << heldWords().join(QLatin1Char(',')).toStdString();
    vqtest::spin(400);
    EXPECT_EQ(requestsTo(QStringLiteral("/api/deleteDeviceCmd")), 1);
    EXPECT_EQ(requestsTo(QStringLiteral("/api/saveDeviceCmd")), 1);
    EXPECT_TRUE(errors.isEmpty());
}

// The real dialog: type 0 takes a file and a folder, type 1 only folders; a chosen item gives its
// decoded file URL and, once saved, the record under that text; so does a path typed by hand.
TEST_F(AddCommandViewTest, BrowseAndRecords)
{
    QTemporaryDir files;
    ASSERT_TRUE(QDir(files.path()).mkpath(QStringLiteral("a b/sub")));
    const QString filePath = files.filePath(QStringLiteral("a b/ü.txt"));
    QFile file(filePath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString folderPath = files.filePath(QStringLiteral("a b/sub"));

    struct Row {
        const char* name;
        int type;
        QString choose;
        bool taken;
    };
    const Row table[] = {
        {"file as a file", 0, filePath, true},
        {"folder as a file", 0, folderPath, true},
        {"folder as a folder", 1, folderPath, true},
        {"file as a folder", 1, filePath, false},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        QPointer<AddCommandView> editor = open();
        pickType(editor, row.type);
        EXPECT_TRUE(editor->moreBtn()->isVisibleTo(editor));
        editor->moreBtnClicked();
        QPointer<VQFileOrFolderDialog> dialog = editor->fileDialog();
        ASSERT_TRUE(dialog);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
        if (row.type == 0)
            render(dialog, QStringLiteral("command_editor_browse"));
        dialog->selectFile(row.choose);
        dialog->accept();
        vqtest::spin(50);
        const QString expected = QStringLiteral("file://") + row.choose;
        EXPECT_EQ(editor->pathTextField()->text(), row.taken ? expected : QString());
        if (!row.taken) {
            EXPECT_TRUE(dialog && dialog->isVisible());
            dialog->reject();
            delete editor.data();
            continue;
        }
        EXPECT_TRUE(vqtest::waitUntil([&] { return dialog.isNull(); }));
        editor->wordTextField()->setText(QStringLiteral("词") + QString::fromLatin1(row.name));
        UserDefaults::standard().removeObjectForKey(expected);
        editor->createBtn()->performClick();
        ASSERT_TRUE(waitClosed(editor));
        EXPECT_EQ(UserDefaults::standard().objectForKey(expected).toString(), row.choose);
    }

    // Typed by hand: an absolute path, and one in the home folder.
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", files.path().toUtf8());
    for (const QString& typed : {filePath, QStringLiteral("~/a b/sub")}) {
        SCOPED_TRACE(typed.toStdString());
        UserDefaults::standard().setValue(typed, QStringLiteral("stale"));
        QPointer<AddCommandView> editor = open();
        fill(editor, 0, QStringLiteral("typed ") + typed, typed);
        editor->createBtn()->performClick();
        ASSERT_TRUE(waitClosed(editor));
        EXPECT_EQ(UserDefaults::standard().objectForKey(typed).toString(), typed == filePath ? filePath : folderPath);
    }
    qputenv("HOME", home);
}

// Key-function mode: no word row, the type fixed, 330 high, "保存"; only attr0 (and a file's
// record) is written, the finish block hears YES and nothing is sent.
TEST_F(AddCommandViewTest, KeyFunctionMode)
{
    QTemporaryDir files;
    const QString filePath = files.filePath(QStringLiteral("doc.txt"));
    QFile file(filePath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const KeyShortcut ctrlAltK = KeyShortcut::fromQtKey(Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);

    struct Row {
        const char* name;
        int type;
        QString attr0Before;
        QString typed;  // set into the target field; null leaves it
        bool recordKey; // records Ctrl+Alt+K
        QString attr0After;
        const char* renderName;
    };
    const Row table[] = {
        {"web", 2, QStringLiteral("https://a.example"), QString(), false, QStringLiteral("https://a.example"), "command_editor_key_function"},
        {"shortcut", 3, QString(), QString(), true, ctrlAltK.toRecordJson(), nullptr},
        {"file", 0, QString(), QStringLiteral("file://") + filePath, false, QStringLiteral("file://") + filePath, nullptr},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        auto function = std::make_shared<KeySettingSubModel>();
        function->setIdStr(QStringLiteral("fn-%1").arg(row.type));
        function->setAttr0(row.attr0Before);
        auto* editor = new AddCommandView;
        editor->setIsFromMouseSetting(true);
        editor->setKeySubModel(function);
        VQVoiceCommandItem model;
        model.setTypeIndex(row.type);
        model.customName = QString("");
        editor->setModel(model);
        editor->showInView(host.get());
        editor->setAddOrModifyFinishBlock([this](bool ok) { finishes.append(ok); });
        QPointer<AddCommandView> guard(editor);

        EXPECT_FALSE(editor->functionLabel2()->isVisibleTo(editor));
        EXPECT_FALSE(editor->typeBtn()->isEnabled());
        EXPECT_EQ(editor->contentView()->height(), AddCommandView::kKeyFunctionPanelHeight);
        EXPECT_EQ(editor->createBtn()->title(), tr8("保存"));
        EXPECT_EQ(editor->pathTextField()->text(), row.attr0Before);
        if (row.renderName)
            render(host.get(), QString::fromLatin1(row.renderName));
        if (!row.typed.isNull())
            editor->pathTextField()->setText(row.typed);
        if (row.recordKey)
            editor->shortcutsView()->setShortcutValue(ctrlAltK);
        const int finishesBefore = static_cast<int>(finishes.size());
        editor->createBtn()->performClick();
        ASSERT_TRUE(waitClosed(guard));
        ASSERT_EQ(finishes.size(), finishesBefore + 1);
        EXPECT_TRUE(finishes.last());
        EXPECT_EQ(function->attr0(), row.attr0After);
        if (row.type == 0) {
            EXPECT_EQ(UserDefaults::standard().objectForKey(row.attr0After).toString(), filePath);
        }
    }
    EXPECT_EQ(server.requestCount(), 0);
}

// The editor in each type, and a UI-language switch that re-titles it and keeps the word.
TEST_F(AddCommandViewTest, RendersAndLanguageSwitch)
{
    const KeyShortcut ctrlAltK = KeyShortcut::fromQtKey(Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
    const VQVoiceCommandItem commands[] = {
        item("file", QStringLiteral("报告"), QStringLiteral("file:///home/u/report.txt")),
        item("folder", QStringLiteral("文档"), QStringLiteral("file:///home/u/docs")),
        item("website", QStringLiteral("新闻"), QStringLiteral("https://news.example")),
        item("shortcuts", QStringLiteral("锁定"), ctrlAltK.toRecordJson()),
        item("text", QStringLiteral("签名"), QStringLiteral("Best regards")),
    };
    for (const VQVoiceCommandItem& command : commands) {
        QPointer<AddCommandView> editor = open(command);
        EXPECT_EQ(editor->shortcutsView()->isVisibleTo(editor), command.typeIndex() == 3);
        EXPECT_EQ(editor->moreBtn()->isVisibleTo(editor), command.typeIndex() <= 1);
        if (command.typeIndex() == 3) {
            EXPECT_EQ(editor->shortcutsView()->shortcutValue(), ctrlAltK);
        }
        render(host.get(), QStringLiteral("command_editor_") + command.cmdType);
        delete editor.data();
    }
    QPointer<AddCommandView> editor = open();
    editor->wordTextField()->setText(QStringLiteral("typed"));
    pickType(editor, 2);
    const QString title = editor->titleLabel()->text();
    switchUiLanguage(2);
    EXPECT_NE(editor->titleLabel()->text(), title);
    EXPECT_EQ(editor->titleLabel()->text(), tr8("添加个性化指令"));
    EXPECT_EQ(editor->typeBtn()->stringValue(), tr8("网页"));
    EXPECT_EQ(editor->wordTextField()->text(), QStringLiteral("typed"));
    switchUiLanguage(0);
}

} // namespace
