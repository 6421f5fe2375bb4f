#include "MineHeaderView.h"

#include "ForgetPasswordView.h"
#include "LoginView.h"
#include "MMImage.h"
#include "MMLog.h"
#include "MMString.h"
#include "NotificationCenter.h"
#include "RegisterView.h"
#include "VQAccountFormKit.h"
#include "VQButton.h"
#include "VQHttpRequestManager.h"
#include "VQLabel.h"
#include "VQLoginResultModel.h"
#include "VQNotificationNames.h"
#include "VQUserInfoData.h"
#include "VQUserInfoScene.h"

#include <QBitmap>
#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

using namespace VQAccountFormKit;

namespace {

constexpr int kAvatarSize = 88;

QPixmap roundAvatar(const QPixmap& source)
{
    QPixmap round(kAvatarSize, kAvatarSize);
    round.fill(Qt::transparent);
    QPainter painter(&round);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath circle;
    circle.addEllipse(0, 0, kAvatarSize, kAvatarSize);
    painter.setClipPath(circle);
    painter.drawPixmap(0, 0, source.scaled(kAvatarSize, kAvatarSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return round;
}

VQLabel* makeLabel(QWidget* parent, int pixelSize, int weight, const QColor& color)
{
    auto* label = new VQLabel(parent);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Weight(weight));
    label->setFont(font);
    label->setTextColor(color);
    return label;
}

} // namespace

MineHeaderView::MineHeaderView(QWidget* parent)
    : VQBaseView(parent)
{
    configUI();
    configTitle();
    configData();
}

QLabel* MineHeaderView::headerImageView()
{
    if (!m_headerImageView)
        m_headerImageView = new QLabel(this);
    return m_headerImageView;
}

VQLabel* MineHeaderView::nameLabel()
{
    if (!m_nameLabel)
        m_nameLabel = makeLabel(this, 20, QFont::Medium, QColor(75, 75, 75));
    return m_nameLabel;
}

QLabel* MineHeaderView::locationImageView()
{
    if (!m_locationImageView) {
        m_locationImageView = new QLabel(this);
        m_locationImageView->setPixmap(mm::imageNamed(QString::fromLatin1(kLocationImage), QSize(16, 22)));
    }
    return m_locationImageView;
}

VQLabel* MineHeaderView::locationLabel()
{
    if (!m_locationLabel)
        m_locationLabel = makeLabel(this, 16, QFont::Normal, kTextColor);
    return m_locationLabel;
}

VQLabel* MineHeaderView::moneyLabel()
{
    if (!m_moneyLabel)
        m_moneyLabel = makeLabel(this, 16, QFont::Normal, kTextColor);
    return m_moneyLabel;
}

VQButton* MineHeaderView::loginBtn()
{
    if (!m_loginBtn) {
        m_loginBtn = new VQButton(this);
        styleAccentButton(m_loginBtn);
        connect(m_loginBtn, &VQButton::clicked, this, [this] { loginBtnClicked(m_loginBtn); });
    }
    return m_loginBtn;
}

VQButton* MineHeaderView::rechargeBtn()
{
    if (!m_rechargeBtn) {
        m_rechargeBtn = new VQButton(this);
        styleAccentButton(m_rechargeBtn);
        connect(m_rechargeBtn, &VQButton::clicked, this, [this] { rechargeBtnClicked(m_rechargeBtn); });
    }
    return m_rechargeBtn;
}

void MineHeaderView::configUI()
{
    headerImageView()->setPixmap(roundAvatar(mm::imageNamed(QString::fromLatin1(kAvatarImage),
                                                            QSize(kAvatarSize, kAvatarSize))));
    nameLabel();
    locationImageView();
    locationLabel();
    const bool loggedIn = VQUserInfoData::sharedInstance().isLogin();
    loginBtn()->setVisible(!loggedIn);
    rechargeBtn()->setVisible(loggedIn);
    moneyLabel()->setVisible(loggedIn);
    layoutControls();
}

void MineHeaderView::configTitle()
{
    locationLabel()->setText(localized(kLocationText));
    loginBtn()->setTitle(localized(kLoginText));
    rechargeBtn()->setTitle(localized(kRechargeText));
    showAccountState();
}

void MineHeaderView::showAccountState()
{
    // A re-title renders what the state says: the name and the date stay once signed in.
    const VQUserInfoData& data = VQUserInfoData::sharedInstance();
    const auto record = data.loginResult();
    const bool shown = data.isLogin() && !rechargeBtn()->isHidden();
    if (!shown || !record) {
        nameLabel()->setText(localized(kPleaseLoginText));
        moneyLabel()->clear();
    } else {
        nameLabel()->setText(record->account());
        const QString expiry = record->expiredTime();
        const QString date = expiry.isEmpty() ? QString() : mm::ConvertStrToTime(expiry, QString::fromLatin1(kDatePattern));
        // Without an expiry no date is shown, rather than the first day of 1970.
        moneyLabel()->setText(date.isEmpty() ? QString() : localized(kExpiryText).arg(date));
    }
    layoutControls();
}

void MineHeaderView::configData()
{
    NotificationCenter::defaultCenter().addObserver(this, QString::fromLatin1(vq::kLoginSuccessNotification),
                                                    [this](const VQNotification&) { loginSuccess(); });
}

void MineHeaderView::loginBtnClicked(VQButton*)
{
    QWidget* page = parentWidget();
    if (!page)
        return;
    slideIn(new LoginView, page);
}

void MineHeaderView::rechargeBtnClicked(VQButton*)
{
}

void MineHeaderView::loginSuccess()
{
    if (QWidget* page = parentWidget()) {
        const auto children = page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget* child : children) {
            if (qobject_cast<LoginView*>(child) || qobject_cast<RegisterView*>(child)) {
                child->hide();
                child->setParent(nullptr);
                child->deleteLater();
            }
        }
    }
    getUserInfo();
}

void MineHeaderView::getUserInfo()
{
    const VQUserInfoData& data = VQUserInfoData::sharedInstance();
    if (!data.isLogin())
        return;
    VQUserInfoScene scene;
    const auto record = data.loginResult();
    scene.setToken(record ? record->token() : QString());
    QPointer<MineHeaderView> self(this);
    VQHttpRequestManager::sharedInstance().httpRequestWithScene(scene, [self](const VQHttpResult& result) {
        if (!result.success) {
            showFailure(kUserInfoFailedText, result);
            return;
        }
        auto record = VQLoginResultModel::fromJson(result.data);
        if (!record) {
            // The previous record (and its token) stays.
            showAlert(kUserInfoFailedText, kSystemErrorText);
            return;
        }
        VQUserInfoData::sharedInstance().setLoginResult(record);
        if (!self)
            return;
        self->configUI();
        self->showAccountState();
    });
}

void MineHeaderView::resizeEvent(QResizeEvent* event)
{
    VQBaseView::resizeEvent(event);
    layoutControls();
}

void MineHeaderView::layoutControls()
{
    const int w = width();
    const QRect avatar(25, kHeight - 20 - kAvatarSize, kAvatarSize, kAvatarSize);
    headerImageView()->setGeometry(avatar);
    const int nameLeft = avatar.right() + 1 + 33;
    nameLabel()->setGeometry(nameLeft, avatar.top() + 5, nameLabel()->sizeHint().width(), 27);
    const QRect icon(nameLeft, nameLabel()->geometry().bottom() + 1 + 21, 16, 22);
    locationImageView()->setGeometry(icon);
    locationLabel()->setGeometry(icon.right() + 1 + 12, icon.center().y() + 5 - 11 + 1,
                                 locationLabel()->sizeHint().width(), 22);
    // 85 wide, or as wide as the longer title needs; the right edge stays.
    const int buttonWidth = std::max({85, loginBtn()->sizeHint().width(), rechargeBtn()->sizeHint().width()});
    const QRect button(w - 125 - buttonWidth, avatar.center().y() - 15, buttonWidth, 31);
    loginBtn()->setGeometry(button);
    rechargeBtn()->setGeometry(button);
    const int moneyWidth = moneyLabel()->sizeHint().width();
    moneyLabel()->setGeometry(button.left() - 35 - moneyWidth, button.center().y() - 11 + 1, moneyWidth, 22);
}
