#pragma once

#include "VQBaseView.h"

#include <QPointer>
#include <QString>

#include <functional>

class QTimer;
class QWidget;
class VQButton;
class VQSecureTextField;
class VQTextField;

// The one input field of the account forms: an underlined text field with a button at its
// right end. Kind 0 is plain text with a clear button, kind 1 a password with a show/hide (eye)
// button, kind 2 a verification code with a get-code button that counts down 60 s once a code
// has been asked for. The owner chooses the kind, sets the placeholder on the inner field of
// that kind and gives the field its size. Main thread only.
class VQInputView : public VQBaseView {
    Q_OBJECT
public:
    enum InputType : unsigned { Plain = 0, Password = 1, VerificationCode = 2 };

    static constexpr int kCountdownSeconds = 60;
    static constexpr int kTickMs = 1000;
    // UI texts (keys of QRNLocalizedString).
    static constexpr char kSendCodeText[] = "发送验证码";
    static constexpr char kResendSuffixText[] = "s后重新获取";
    // Images.
    static constexpr char kClearImage[] = "6_close_icon";
    static constexpr char kEyeHiddenImage[] = "6_eye_nor_icon";
    static constexpr char kEyeShownImage[] = "6_eye_sel_icon";

    explicit VQInputView(QWidget* parent = nullptr);
    ~VQInputView() override;

    // Builds the field for the kind and focuses the shown field; any other value is stored and
    // changes nothing.
    void setInputType(unsigned inputType);
    unsigned inputType() const { return m_inputType; }

    // The text of the shown field: the password field's for a password while it is hidden, else
    // the plain field's.
    QString stringValue() const;
    // Writes into the shown field (see stringValue()).
    void setStringValue(const QString& value);

    // A UI-language switch retitles the get-code button (its countdown included).
    void configTitle() override;

    VQTextField* textField();
    VQSecureTextField* secureTextField();
    VQButton* rightBtn();

    // Run when the get-code button of a code field is pressed.
    std::function<void()> getVerifyCodeBlock() const { return m_getVerifyCodeBlock; }
    void setGetVerifyCodeBlock(std::function<void()> block) { m_getVerifyCodeBlock = std::move(block); }

    // Starts the countdown (the owner calls it once the code request has succeeded): the
    // get-code button is disabled for 60 ticks of 1 s.
    void getVerificationCode();
    void rightBtnClicked(VQButton* sender);

    void startTimer();
    void invalidateTimer();
    // One tick of the countdown.
    void showRightBtnState();
    QTimer* timer() const { return m_timer; }
    int countNum() const { return m_countNum; }
    void setCountNum(int count) { m_countNum = count; }

    // True once the user has typed into either field.
    bool isEdited() const { return m_edited; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool passwordHidden() const;
    void layoutParts();
    void showField(QWidget* field, QWidget* hidden);

    QString m_stringValue;
    QPointer<VQTextField> m_textField;
    QPointer<VQSecureTextField> m_secureTextField;
    QPointer<VQButton> m_rightBtn;
    QPointer<QWidget> m_underline;
    unsigned m_inputType = Plain;
    std::function<void()> m_getVerifyCodeBlock;
    QTimer* m_timer = nullptr;
    int m_countNum = 0;
    QSize m_rightBtnSize { 36, 36 };
    bool m_edited = false;
};
