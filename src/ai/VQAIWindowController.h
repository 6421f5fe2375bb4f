#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <memory>

class QFrame;
class QScrollArea;
class VQAIContentModel;
class VQAIContentView;
class VQButton;
class VQTextField;
struct VQHttpResult;

// The AI chat window: questions typed in the input bar go to the maker's chat service with the
// conversation so far (VQHttpRequestManager::chatGPT), and each answer shows in its own cell as
// its pieces arrive. One question at a time: from the question until its answer is finished
// (or failed) send, Return and retry do nothing. Closing hides the window; the conversation
// stays. Main thread only; created by VQAIWindowTool::aiWindow() on first use.
class VQAIWindowController : public QWidget {
    Q_OBJECT
public:
    // UI texts (keys of QRNLocalizedString).
    static constexpr char kPlaceholderText[] = "请输入内容";
    static constexpr char kSendTitle[] = "发送";
    static constexpr char kWaitingText[] = "正在生成中。。。";

    static constexpr int kInitialWidth = 640;
    static constexpr int kInitialHeight = 720;
    static constexpr int kBottomHeight = 100;
    static constexpr int kListTop = 1;        // the list starts under this line
    static constexpr int kListBottomGap = 20; // between the list and the input bar
    static constexpr int kCellInset = 20;     // cells from the document's left and right edges
    static constexpr int kFieldLeft = 20;
    static constexpr int kFieldTop = 2;
    static constexpr int kFieldToButton = 50;
    static constexpr int kSendWidth = 80;
    static constexpr int kSendHeight = 60;
    static constexpr int kSendRight = 20;
    static constexpr int kFieldFontPx = 14;

    explicit VQAIWindowController(QWidget* parent = nullptr);
    ~VQAIWindowController() override;

    // Asks a question: ignored when empty or while another is answered; otherwise sent as it is.
    void requestChatGPT(const QString& question);
    // Sends the question field's text.
    void sendBtnClicked();
    // Shows the newest question's answer again (as each piece arrives); once the question has
    // ended, the next cell starts under this one.
    void updateContentViewText();

    bool isRequesting() const { return m_isRequesting; }
    double contentHeight() const { return m_contentHeight; }
    const QList<VQAIContentView*>& cells() const { return m_cells; }
    QList<std::shared_ptr<VQAIContentModel>> aiContentModelArr() const { return m_aiContentModelArr; }
    QScrollArea* scrollView() const { return m_scrollView; }
    QWidget* scrollContentView() const { return m_scrollContentView; }
    VQTextField* questionTextField() const { return m_questionTextField; }
    VQButton* sendBtn() const { return m_sendBtn; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void windowDidLoad();
    // The field's placeholder and the send button's title in the UI language.
    void configTitle();
    // Adds the cell of the newest question under the others.
    void configUI();
    void answerArrived(const std::shared_ptr<VQAIContentModel>& model, const VQHttpResult& result);
    void layoutBars();
    // Sizes the document to the cells (at least the viewport) and shows its bottom.
    void layoutDocument();

    QScrollArea* m_scrollView = nullptr;
    QWidget* m_scrollContentView = nullptr;
    QWidget* m_bottomView = nullptr;
    QFrame* m_bottomLine = nullptr;
    VQTextField* m_questionTextField = nullptr;
    VQButton* m_sendBtn = nullptr;
    QList<std::shared_ptr<VQAIContentModel>> m_aiContentModelArr;
    QList<VQAIContentView*> m_cells;
    bool m_isRequesting = false;
    std::shared_ptr<VQAIContentModel> m_lastAIContentModel;
    VQAIContentView* m_lastAIContentView = nullptr;
    // The newest cell's height has been added to m_contentHeight.
    bool m_lastCellCounted = true;
    double m_contentHeight = 0;
    bool m_placed = false;
};
