#pragma once

#include "VQAudioFileDecoder.h"
#include "VQBaseView.h"

#include <QList>
#include <QPointer>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>

class QScrollArea;
class QVBoxLayout;
class VQButton;
class VQLabel;
class VQTextField;
class VQTransferAudioCellView;
class VQTransferAudioModel;

// The audio-file transcription page: the user names a WAV or MP3 file, may choose the result's
// name ("另存为") and starts the transcription; the file is decoded to 16 kHz mono PCM and sent to
// the speech server in file mode; the recognised text goes into a text file in the folder
// "TransferAudio" of Documents. Every transcription is a row of the table "DBTransferAudioList"
// and of the page's list, with its progress while it runs and a button that shows the result
// file once it ended.
//
// One transcription at a time. Every run ends, done (1) or failed (2): the result file is always
// written. Table and file work runs in order on one worker ("VQTransferAudioView"); the page
// acts on the main thread.
class VQTransferAudioView : public VQBaseView {
    Q_OBJECT
public:
    static constexpr char kFolderName[] = "TransferAudio";
    static constexpr int kRowHeight = 30;

    // UI texts (keys of QRNLocalizedString).
    static constexpr char kPathPlaceholderText[] = "请输入音频路径…";
    static constexpr char kBrowseText[] = "浏览";
    static constexpr char kDefaultPathText[] = "默认存储路径为";
    static constexpr char kDocumentText[] = "Document";
    static constexpr char kSaveAsText[] = "另存为";
    static constexpr char kStartText[] = "开始转写";
    static constexpr char kRunningText[] = "正在转写,请稍后...";
    static constexpr char kOpenText[] = "打开";
    static constexpr char kResultHeading[] = "识别结果";

    explicit VQTransferAudioView(QWidget* parent = nullptr);
    ~VQTransferAudioView() override;

    void configUI() override;
    void configTitle() override;

    // Reads the table again and shows the rows whose result file exists, and the running row.
    void getTransferList();
    // What the start control does: checks the path field, prepares outputPath, decodes the file
    // and runs the transcription.
    void startTransferAudio();
    // The end of this page's run, with the final text.
    void speechManagerRecognitionStatusChangeEndAsr(const QString& text, bool success);

    // The folder of the results, created when missing ("" when Documents is not usable).
    static QString transferFolder();
    // The result file of a run whose output is outputPath: its name up to the first ".", with
    // ".txt", in folder; "<name>_1.txt", "<name>_2.txt" ... when taken.
    static QString resultFilePath(const QString& folder, const QString& outputPath);

    // Controls and state, for the page's users and tests.
    VQTextField* pathTextField() const { return m_pathTextField; }
    VQButton* browseBtn() const { return m_browseBtn; }
    VQButton* saveAsBtn() const { return m_saveAsBtn; }
    VQButton* startTransferBtn() const { return m_startTransferBtn; }
    QList<VQTransferAudioCellView*> cells() const { return m_cells; }
    bool isRunning() const { return m_running; }
    QString outputPath() const { return m_outputPath; }
    // Rows read by the last getTransferList (tests wait for a count).
    int listReloads() const { return m_listReloads; }

private:
    struct Row;

    void browse();
    void saveAs();
    void decoded(VQAudioFileDecoder::Result result, const QByteArray& pcm, const QString& error);
    void runTransfer(bool decodedOk, const QByteArray& pcm);
    void transferEnded(QObject* model, const QString& text, bool success);
    // Reads the table on the worker, shows the rows, then calls then (when given).
    void reloadList(std::function<void()> then);
    void showRows(const QList<Row>& rows, const QSet<QString>& allIds, bool scrollToEnd);
    QString nextId();
    void alert(const char* key);

    VQTextField* m_pathTextField = nullptr;
    QWidget* m_pathView = nullptr;
    VQButton* m_browseBtn = nullptr;
    VQLabel* m_defaultPathLabel = nullptr;
    VQButton* m_saveAsBtn = nullptr;
    VQButton* m_startTransferBtn = nullptr;
    QScrollArea* m_scrollArea = nullptr;
    QWidget* m_listView = nullptr;
    QVBoxLayout* m_listLayout = nullptr;
    QList<VQTransferAudioCellView*> m_cells;

    VQAudioFileDecoder m_decoder;
    bool m_running = false; // from the start control until the end of the run is stored
    QPointer<VQTransferAudioModel> m_currentTransferAudioModel;
    QString m_outputPath;
    QSet<QString> m_knownIds;
    int m_listReloads = 0;
};
