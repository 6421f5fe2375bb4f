#pragma once

#include "VQBaseView.h"

#include <QString>

#include <functional>

class QLabel;
class VQButton;
class VQTextView;

// One question and its answer in the AI chat window: the user's icon and the question, the
// chat icon and the answer on a grey background, and under it the copy and retry buttons. The
// window stacks the cells by viewHeight(), set by showQuestion().
class VQAIContentView : public VQBaseView {
    Q_OBJECT
public:
    static constexpr int kIconSize = 20;
    static constexpr int kTopMargin = 20;
    static constexpr int kTextLeft = 30;  // icon + 10
    static constexpr int kRightMargin = 20;
    static constexpr int kAnswerGap = 20; // question text to chat icon
    static constexpr int kAnswerPaddingX = 5;
    static constexpr int kAnswerPaddingY = 10;
    static constexpr int kButtonGap = 5;  // answer background to the buttons
    static constexpr int kButtonSpacing = 10;
    static constexpr int kQuestionFontPx = 16;
    static constexpr int kAnswerFontPx = 14;
    // viewHeight() is both text heights plus this.
    static constexpr int kFixedHeight = 100;

    static constexpr char kUserIconName[] = "user_icon";
    static constexpr char kChatIconName[] = "chat_icon";
    static constexpr char kCopyIconName[] = "btn_copy_normal";
    static constexpr char kRetryIconName[] = "btn_refresh_normal";
    static constexpr char kCopiedText[] = "已复制";
    static constexpr char kCopiedIconName[] = "success_icon";
    static constexpr char kCopyFailedText[] = "复制失败";
    static constexpr char kCopyFailedIconName[] = "error_icon";

    explicit VQAIContentView(QWidget* parent = nullptr);

    // Shows both texts and recomputes the answer background's height and viewHeight().
    void showQuestion(const QString& question, const QString& answer);

    // Called with the question shown in the cell when retry is clicked.
    void setRetryBlock(std::function<void(const QString& question)> block) { m_retryBlock = std::move(block); }

    // Copies the answer shown to the clipboard; a tip tells whether it was copied.
    void fuzhiBtnClicked();
    // Asks the shown question again through the retry action, if one is set.
    void retryBtnClicked();

    QString question() const;
    QString answer() const;
    int answerBackgroundHeight() const;
    VQButton* fuzhiBtn() const { return m_fuzhiBtn; }
    VQButton* retryBtn() const { return m_retryBtn; }
    QWidget* answerBgView() const { return m_answerBgView; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ensureTextViews();
    void layoutSubviews();

    std::function<void(const QString&)> m_retryBlock;
    QLabel* m_userIconImageView = nullptr;
    VQTextView* m_questionTextView = nullptr;
    QLabel* m_chatIconImageView = nullptr;
    QWidget* m_answerBgView = nullptr;
    VQTextView* m_answerTextView = nullptr;
    VQButton* m_fuzhiBtn = nullptr;
    VQButton* m_retryBtn = nullptr;
};
