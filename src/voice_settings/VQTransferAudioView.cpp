#include "VQTransferAudioView.h"

#include "FileChooser.h"
#include "KVDSqliteOperation.h"
#include "MMLog.h"
#include "QRNLocalizedString.h"
#include "RunOnMain.h"
#include "VQButton.h"
#include "VQCommandViewModel.h"
#include "VQLabel.h"
#include "VQPopupWindowTool.h"
#include "VQTextField.h"
#include "VQToolManager.h"
#include "VQTransferAudioCellView.h"
#include "VQTransferAudioModel.h"
#include "VQUserInfoData.h"
#include "VQWebApiAsrService.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QSaveFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QThreadPool>
#include <QVBoxLayout>

struct VQTransferAudioView::Row {
    QString idStr;
    QString path;
    QString updateTime;
    QString result;
    int status = 0;
};

namespace {

// The page's worker: table and file work, one job at a time, in order.
QThreadPool& managerQueue()
{
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(1);
        p->setObjectName(QStringLiteral("VQTransferAudioView"));
        return p;
    }();
    return *pool;
}

QString tableName()
{
    return QString::fromLatin1(VQTransferAudioModel::kTableName);
}

QString text(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

// The name of a path up to its first ".".
QString baseName(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

} // namespace

VQTransferAudioView::VQTransferAudioView(QWidget* parent)
    : VQBaseView(parent)
{
    configUI();
    connect(&VQWebApiAsrService::sharedInstance(), &VQWebApiAsrService::transferAudioEnded, this,
            &VQTransferAudioView::transferEnded);
    managerQueue().start([] {
        VQTransferAudioModel columns;
        VQCommandViewModel::sharedInstance().createSQLTableWithtableName(tableName(), columns);
    });
    configTitle();
}

VQTransferAudioView::~VQTransferAudioView() = default;

void VQTransferAudioView::configUI()
{
    setMinimumSize(520, 400);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(12);

    m_pathView = new QWidget(this);
    m_pathView->setObjectName(QStringLiteral("pathView"));
    m_pathView->setStyleSheet(QStringLiteral("#pathView { border: 1px solid rgb(112, 112, 112); border-radius: 8px; }"));
    auto* pathLayout = new QHBoxLayout(m_pathView);
    pathLayout->setContentsMargins(8, 4, 4, 4);
    m_pathTextField = new VQTextField(m_pathView);
    m_pathTextField->setFrame(false);
    m_pathTextField->setTextColor(QColor(38, 12, 12));
    m_browseBtn = new VQButton(m_pathView);
    m_browseBtn->setFixedHeight(28);
    m_browseBtn->setMinimumWidth(70);
    pathLayout->addWidget(m_pathTextField, 1);
    pathLayout->addWidget(m_browseBtn);
    layout->addWidget(m_pathView);

    auto* saveRow = new QHBoxLayout;
    m_defaultPathLabel = new VQLabel(this);
    m_defaultPathLabel->setTextColor(QColor(112, 112, 112));
    m_saveAsBtn = new VQButton(this);
    m_saveAsBtn->setTitleColor(QColor(12, 165, 192));
    saveRow->addWidget(m_defaultPathLabel);
    saveRow->addWidget(m_saveAsBtn);
    saveRow->addStretch(1);
    layout->addLayout(saveRow);

    m_startTransferBtn = new VQButton(this);
    m_startTransferBtn->setFixedSize(120, 32);
    m_startTransferBtn->setBackgroundColor(QColor(12, 165, 192));
    m_startTransferBtn->setTitleColor(Qt::white);
    m_startTransferBtn->setCornerRadius(6);
    layout->addWidget(m_startTransferBtn, 0, Qt::AlignLeft);

    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_listView = new QWidget;
    m_listView->setObjectName(QStringLiteral("transferList"));
    m_listView->setAutoFillBackground(true);
    QPalette listPalette = m_listView->palette();
    listPalette.setColor(QPalette::Window, QColor(28, 28, 29));
    m_listView->setPalette(listPalette);
    m_listLayout = new QVBoxLayout(m_listView);
    m_listLayout->setContentsMargins(5, 5, 5, 5);
    m_listLayout->setSpacing(1); // the grid line between rows
    m_listLayout->addStretch(1);
    m_scrollArea->setWidget(m_listView);
    layout->addWidget(m_scrollArea, 1);

    connect(m_browseBtn, &VQButton::clicked, this, &VQTransferAudioView::browse);
    connect(m_saveAsBtn, &VQButton::clicked, this, &VQTransferAudioView::saveAs);
    connect(m_startTransferBtn, &VQButton::clicked, this, &VQTransferAudioView::startTransferAudio);
}

void VQTransferAudioView::configTitle()
{
    m_browseBtn->setTitle(text(kBrowseText));
    m_saveAsBtn->setTitle(text(kSaveAsText));
    m_startTransferBtn->setTitle(text(kStartText));
    m_pathTextField->setPlaceholderText(text(kPathPlaceholderText));
    m_defaultPathLabel->setText(QStringLiteral("%1%2,").arg(text(kDefaultPathText), text(kDocumentText)));
    getTransferList();
}

void VQTransferAudioView::alert(const char* key)
{
    VQToolManager::sharedInstance().showErrorMsg(text(key), QString());
}

QString VQTransferAudioView::transferFolder()
{
    const QString folder = VQToolManager::getFilePath(QStringLiteral("/") + QString::fromLatin1(kFolderName));
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    return folder;
}

QString VQTransferAudioView::resultFilePath(const QString& folder, const QString& outputPath)
{
    QString name = baseName(outputPath);
    if (name.isEmpty())
        name = QStringLiteral("audio");
    const QDir dir(folder);
    QString path = dir.filePath(name + QStringLiteral(".txt"));
    for (qint64 n = 1; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1_%2.txt").arg(name).arg(n));
    return path;
}

// --- Controls ---

void VQTransferAudioView::browse()
{
    QPointer<VQTransferAudioView> self(this);
    FileChooser::instance().chooseOpenFile({QStringLiteral("wav"), QStringLiteral("mp3")}, text(kOpenText),
                                           [self](const QString& path) {
                                               if (self && !path.isEmpty())
                                                   self->m_pathTextField->setText(path);
                                           });
}

void VQTransferAudioView::saveAs()
{
    const QString path = m_pathTextField->text().trimmed();
    if (path.isEmpty()) {
        alert(kPathPlaceholderText);
        return;
    }
    QPointer<VQTransferAudioView> self(this);
    FileChooser::instance().chooseSaveFile(transferFolder(), QFileInfo(path).fileName(), [self](const QString& chosen) {
        if (self && !chosen.isEmpty())
            self->m_outputPath = chosen;
    });
}

QString VQTransferAudioView::nextId()
{
    const QString seconds = QString::number(QDateTime::currentSecsSinceEpoch());
    QString id = seconds;
    for (int n = 1; m_knownIds.contains(id); ++n)
        id = QStringLiteral("%1_%2").arg(seconds).arg(n);
    m_knownIds.insert(id);
    return id;
}

void VQTransferAudioView::startTransferAudio()
{
    const QString path = m_pathTextField->text().trimmed();
    if (path.isEmpty()) {
        alert(kPathPlaceholderText);
        return;
    }
    if (m_running) {
        alert(kRunningText);
        return;
    }
    const QString folder = transferFolder();
    if (folder.isEmpty()) {
        VQLogError(QStringLiteral("the folder of transcription results cannot be made"));
        VQPopupWindowTool::sharedInstance().showTipMessage(text("保存失败"), QStringLiteral("error_icon"));
        return;
    }
    if (m_outputPath.isEmpty())
        m_outputPath = QDir(folder).filePath(baseName(path) + QStringLiteral(".wav"));
    m_running = true;
    VQLogInfo(QStringLiteral("transcription of %1 starts").arg(path));
    m_decoder.decode(path, [this](VQAudioFileDecoder::Result result, const QByteArray& pcm, const QString& error) {
        decoded(result, pcm, error);
    });
}

void VQTransferAudioView::decoded(VQAudioFileDecoder::Result result, const QByteArray& pcm, const QString& error)
{
    if (result == VQAudioFileDecoder::Result::Unreadable) {
        VQLogWarn(QStringLiteral("the audio file cannot be read: %1").arg(error));
        m_running = false;
        alert(kPathPlaceholderText);
        return;
    }
    if (result == VQAudioFileDecoder::Result::Undecodable)
        VQPopupWindowTool::sharedInstance().showTipMessage(text(VQWebApiAsrService::kFileReadFailedText),
                                                           QStringLiteral("error_icon"));
    runTransfer(result == VQAudioFileDecoder::Result::Ok, pcm);
}

void VQTransferAudioView::runTransfer(bool decodedOk, const QByteArray& pcm)
{
    auto* model = new VQTransferAudioModel(this);
    model->idStr = nextId();
    model->path = resultFilePath(transferFolder(), m_outputPath);
    model->updateTime = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    model->status = VQTransferAudioModel::Running;
    m_currentTransferAudioModel = model;

    Row row{model->idStr, model->path, model->updateTime, QString(), model->status};
    QPointer<VQTransferAudioView> self(this);
    managerQueue().start([self, row] {
        VQTransferAudioModel stored;
        stored.idStr = row.idStr;
        stored.path = row.path;
        stored.updateTime = row.updateTime;
        stored.status = row.status;
        KVDSqliteOperation::shareOperation().insertDataBaseWithtableName(tableName(), stored);
        mm::runOnMain([self] {
            if (self)
                self->getTransferList();
        });
    });

    VQUserInfoData::sharedInstance().setRecordStatus(2);
    if (!decodedOk) {
        speechManagerRecognitionStatusChangeEndAsr(QString(), false);
        return;
    }
    VQWebApiAsrService& service = VQWebApiAsrService::sharedInstance();
    service.beginAsrIsTransferAudio(true, [](bool, const QString&, bool) {});
    service.transferAudioWithData(pcm, model);
}

void VQTransferAudioView::transferEnded(QObject* model, const QString& text, bool success)
{
    // Only the end of this page's own run.
    if (!model || model != m_currentTransferAudioModel.data())
        return;
    speechManagerRecognitionStatusChangeEndAsr(text, success);
}

void VQTransferAudioView::speechManagerRecognitionStatusChangeEndAsr(const QString& finalText, bool success)
{
    VQTransferAudioModel* model = m_currentTransferAudioModel.data();
    if (!model || model->status != VQTransferAudioModel::Running)
        return;
    model->result = finalText.isNull() ? QString(QLatin1String("")) : finalText;
    model->status = success ? VQTransferAudioModel::Done : VQTransferAudioModel::Failed;
    VQLogInfo(QStringLiteral("transcription %1 ended (%2)").arg(model->idStr, success ? QStringLiteral("done") : QStringLiteral("failed")));
    const Row row{model->idStr, model->path, model->updateTime, model->result, model->status};
    QPointer<VQTransferAudioView> self(this);
    managerQueue().start([self, row] {
        QSaveFile file(row.path);
        const QByteArray bytes = (QString::fromUtf8(kResultHeading) + QLatin1Char('\n') + row.result).toUtf8();
        bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        written = written && file.commit();
        if (!written)
            VQLogError(QStringLiteral("the transcription result cannot be written to %1: %2").arg(row.path, file.errorString()));
        VQTransferAudioModel stored;
        stored.idStr = row.idStr;
        stored.result = row.result;
        stored.status = row.status;
        KVDSqliteOperation::shareOperation().updataTableWithtableName(tableName(), QString::fromLatin1(VQTransferAudioModel::kIdKey),
                                                                      stored);
        mm::runOnMain([self, written] {
            if (!written)
                VQPopupWindowTool::sharedInstance().showTipMessage(text("保存失败"), QStringLiteral("error_icon"));
            if (!self)
                return;
            if (self->m_currentTransferAudioModel)
                self->m_currentTransferAudioModel->deleteLater();
            self->m_currentTransferAudioModel = nullptr;
            // The next run is taken once the list shows this one's end.
            self->reloadList([self] {
                if (self)
                    self->m_running = false;
            });
        });
    });
    m_outputPath.clear();
    m_pathTextField->clear();
    VQUserInfoData::sharedInstance().setRecordStatus(0);
}

// --- List ---

void VQTransferAudioView::getTransferList()
{
    reloadList(nullptr);
}

void VQTransferAudioView::reloadList(std::function<void()> then)
{
    const QString runningId = m_currentTransferAudioModel ? m_currentTransferAudioModel->idStr : QString();
    const bool scrollToEnd = !runningId.isEmpty();
    QPointer<VQTransferAudioView> self(this);
    managerQueue().start([self, runningId, scrollToEnd, then = std::move(then)] {
        QList<Row> rows;
        QSet<QString> ids;
        const auto stored = KVDSqliteOperation::shareOperation().selectAllDataBaseWithtableName<VQTransferAudioModel>(tableName());
        for (const auto& model : stored) {
            ids.insert(model->idStr);
            const bool kept = QFileInfo::exists(model->path)
                              || (model->status == VQTransferAudioModel::Running && !runningId.isEmpty() && model->idStr == runningId);
            if (kept)
                rows.append(Row{model->idStr, model->path, model->updateTime, model->result, model->status});
        }
        mm::runOnMain([self, rows, ids, scrollToEnd, then] {
            if (self)
                self->showRows(rows, ids, scrollToEnd);
            if (then)
                then();
        });
    });
}

void VQTransferAudioView::showRows(const QList<Row>& rows, const QSet<QString>& allIds, bool scrollToEnd)
{
    m_knownIds.unite(allIds);
    const QString runningId = m_currentTransferAudioModel ? m_currentTransferAudioModel->idStr : QString();
    // Keeps the ring of the running row where it is.
    double runningProgress = 0;
    for (VQTransferAudioCellView* cell : std::as_const(m_cells)) {
        if (cell->idStr() == runningId)
            runningProgress = cell->progress();
        cell->deleteLater();
    }
    m_cells.clear();
    for (const Row& row : rows) {
        VQTransferAudioModel model;
        model.idStr = row.idStr;
        model.path = row.path;
        model.updateTime = row.updateTime;
        model.result = row.result;
        model.status = row.status;
        // The running row is shown as running until its end is stored.
        if (row.idStr == runningId)
            model.status = VQTransferAudioModel::Running;
        auto* cell = new VQTransferAudioCellView(m_listView);
        cell->setModel(model);
        if (row.idStr == runningId && runningProgress > 0)
            cell->speechManagerRecognitionUpdateTransferProgress(runningProgress, m_currentTransferAudioModel.data());
        m_listLayout->insertWidget(m_listLayout->count() - 1, cell);
        m_cells.append(cell);
    }
    ++m_listReloads;
    if (scrollToEnd)
        m_scrollArea->verticalScrollBar()->setValue(int(rows.size()) * kRowHeight);
}
