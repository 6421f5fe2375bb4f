#include "AuthorityManagementWindowController.h"

#include "Clipboard.h"
#include "MMImage.h"
#include "MMLog.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQPopupWindowTool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QColor kTextColor(38, 12, 12);
const QColor kSecondaryColor(112, 112, 112);
const QColor kAccentColor(0, 175, 204);
const QColor kCardColor(241, 244, 248);
const QColor kGrantedColor(45, 160, 110);
const QColor kDeniedColor(220, 70, 65);
const QColor kLimitedColor(214, 137, 16);
const char kAppIconName[] = "AppIcon";
constexpr int kIconSize = 28;

QString tr8(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

void fill(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A path as one word of a POSIX shell command.
QString shellQuoted(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

} // namespace

AuthorityManagementWindowController::AuthorityManagementWindowController(VQPermissionChecker* checker, QWidget* parent)
    : VQBaseView(parent)
    , m_checker(checker)
{
    setWindowFlags(Qt::Window);
    setWindowIcon(mm::iconNamed(QString::fromLatin1(kAppIconName)));
    setFixedWidth(kWidth);
    configUI();
    configTitle();
    connect(m_checker, &VQPermissionChecker::changed, this, &AuthorityManagementWindowController::updateStates);
    updateStates();
}

void AuthorityManagementWindowController::configUI()
{
    fill(this, Qt::white);

    m_titleLabel = new VQLabel(this);
    QFont titleFont = font();
    titleFont.setPixelSize(22);
    titleFont.setBold(true);
    m_titleLabel->setFont(titleFont);
    m_titleLabel->setTextColor(kTextColor);
    m_subtitleLabel = new VQLabel(this);
    QFont subtitleFont = font();
    subtitleFont.setPixelSize(14);
    m_subtitleLabel->setFont(subtitleFont);
    m_subtitleLabel->setTextColor(kSecondaryColor);

    // The command box of the hidraw row: the command, selectable, and the copy button.
    m_commandBox = new QWidget(this);
    auto* commandLayout = new QVBoxLayout(m_commandBox);
    commandLayout->setContentsMargins(0, 4, 0, 0);
    commandLayout->setSpacing(8);
    m_commandLabel = new QLabel(m_commandBox);
    m_commandLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_commandLabel->setWordWrap(true);
    QFont mono(QStringLiteral("monospace"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPixelSize(12);
    m_commandLabel->setFont(mono);
    m_commandLabel->setStyleSheet(QStringLiteral("QLabel { background: white; border: 1px solid #D5DEE6; border-radius: 4px; padding: 6px; color: #260C0C; }"));
    m_copyButton = new VQButton(m_commandBox);
    QFont buttonFont = font();
    buttonFont.setPixelSize(13);
    m_copyButton->setFont(buttonFont);
    m_copyButton->setTitleColor(Qt::white);
    m_copyButton->setBackgroundColor(kAccentColor);
    m_copyButton->setHighlightBackGroundColor(QColor(0, 150, 176));
    m_copyButton->setCornerRadius(14);
    m_copyButton->setFixedHeight(28);
    commandLayout->addWidget(m_commandLabel);
    commandLayout->addWidget(m_copyButton, 0, Qt::AlignRight);
    connect(m_copyButton, &VQButton::clicked, this, [this] {
        if (Clipboard::instance().setText(m_commandLabel->text()))
            VQPopupWindowTool::sharedInstance().showTipMessage(tr8(kCopiedText), QString::fromLatin1(kSuccessIconName));
    });

    m_recheckButton = new VQButton(this);
    m_recheckButton->setFont(buttonFont);
    m_recheckButton->setTitleColor(kAccentColor);
    m_recheckButton->setBorderColor(kAccentColor);
    m_recheckButton->setBorderWidth(1);
    m_recheckButton->setHighlightBackGroundColor(QColor(224, 245, 249));
    m_recheckButton->setCornerRadius(16);
    m_recheckButton->setFixedHeight(32);
    connect(m_recheckButton, &VQButton::clicked, m_checker, &VQPermissionChecker::refresh);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 24);
    layout->setSpacing(0);
    layout->addWidget(m_titleLabel);
    layout->addSpacing(4);
    layout->addWidget(m_subtitleLabel);
    layout->addSpacing(18);
    layout->addWidget(makeRow(m_hidraw, m_commandBox));
    layout->addSpacing(12);
    layout->addWidget(makeRow(m_a11y, nullptr));
    layout->addSpacing(12);
    layout->addWidget(makeRow(m_x11, nullptr));
    layout->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(m_recheckButton);
    layout->addLayout(bottom);
}

QWidget* AuthorityManagementWindowController::makeRow(Row& row, QWidget* extra)
{
    auto* card = new QWidget(this);
    fill(card, kCardColor);
    auto* layout = new QHBoxLayout(card);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(12);

    row.icon = new VQLabel(card);
    row.icon->setFixedSize(kIconSize, kIconSize);
    layout->addWidget(row.icon, 0, Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    auto* head = new QHBoxLayout;
    row.title = new VQLabel(card);
    QFont titleFont = font();
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    row.title->setFont(titleFont);
    row.title->setTextColor(kTextColor);
    row.state = new VQLabel(card);
    QFont stateFont = font();
    stateFont.setPixelSize(14);
    stateFont.setBold(true);
    row.state->setFont(stateFont);
    row.state->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The title from the left, the state at the right end: apart in every language (a
    // right-to-left title in a stretched label would sit against the state).
    head->setSpacing(16);
    head->addWidget(row.title);
    head->addStretch(1);
    head->addWidget(row.state);
    texts->addLayout(head);

    QFont textFont = font();
    textFont.setPixelSize(13);
    row.detail = new VQLabel(card);
    row.detail->setFont(textFont);
    row.detail->setTextColor(kSecondaryColor);
    row.detail->setWordWrap(true);
    texts->addWidget(row.detail);
    row.howTo = new VQLabel(card);
    row.howTo->setFont(textFont);
    row.howTo->setTextColor(kTextColor);
    row.howTo->setWordWrap(true);
    texts->addWidget(row.howTo);
    if (extra != nullptr) {
        extra->setParent(card);
        texts->addWidget(extra);
    }
    layout->addLayout(texts, 1);
    return card;
}

void AuthorityManagementWindowController::configTitle()
{
    setWindowTitle(tr8(kTitleText));
    m_titleLabel->setText(tr8(kTitleText));
    m_subtitleLabel->setText(tr8(kSubtitleText));
    m_hidraw.title->setText(tr8(kHidrawTitleText));
    m_hidraw.detail->setText(tr8(kHidrawDetailText));
    m_a11y.title->setText(tr8(kA11yTitleText));
    m_a11y.detail->setText(tr8(kA11yDetailText));
    m_x11.title->setText(tr8(kX11TitleText));
    m_x11.detail->setText(tr8(kX11DetailText));
    m_copyButton->setTitle(tr8(kCopyCommandText));
    m_recheckButton->setTitle(tr8(kRecheckText));
    // Room for the title in every language.
    m_copyButton->setFixedWidth(std::max(110, m_copyButton->fontMetrics().horizontalAdvance(m_copyButton->title()) + 32));
    m_recheckButton->setFixedWidth(std::max(120, m_recheckButton->fontMetrics().horizontalAdvance(m_recheckButton->title()) + 36));
    applyState(m_hidraw, m_hidrawState, kHidrawHowToText);
    applyState(m_a11y, m_a11yState, kA11yHowToText);
    applyState(m_x11, m_x11State, x11HowToKey(m_x11State));
    fitHeight();
}

void AuthorityManagementWindowController::showEvent(QShowEvent* event)
{
    VQBaseView::showEvent(event);
    fitHeight();
}

void AuthorityManagementWindowController::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        close();
        return;
    }
    VQBaseView::keyPressEvent(event);
}

void AuthorityManagementWindowController::fitHeight()
{
    // As high as the rows need: texts of another language, and the how-to texts that come and
    // go with the states, take other heights. The rows are asked afresh: a label's new text
    // reaches the heights cached for them only with the next layout pass.
    for (QWidget* box : findChildren<QWidget*>()) {
        if (box->layout()) {
            box->layout()->invalidate();
            box->updateGeometry();
        }
    }
    layout()->invalidate();
    setFixedHeight(std::max(kMinimumHeight, layout()->totalHeightForWidth(kWidth)));
}

void AuthorityManagementWindowController::updateStates()
{
    m_hidrawState = m_checker->hidrawState();
    m_a11yState = m_checker->accessibilityState();
    m_x11State = m_checker->x11State();
    applyState(m_hidraw, m_hidrawState, kHidrawHowToText);
    applyState(m_a11y, m_a11yState, kA11yHowToText);
    applyState(m_x11, m_x11State, x11HowToKey(m_x11State));
    const bool showCommand = m_hidrawState != VQPermissionChecker::State::Granted;
    if (showCommand && m_commandLabel->text().isEmpty())
        m_commandLabel->setText(udevInstallCommand(udevRulePath()));
    m_commandBox->setVisible(showCommand);
    fitHeight();
}

const char* AuthorityManagementWindowController::x11HowToKey(VQPermissionChecker::State state)
{
    return state == VQPermissionChecker::State::Limited ? kX11LimitedHowToText : kX11HowToText;
}

void AuthorityManagementWindowController::applyState(Row& row, VQPermissionChecker::State state, const char* howToKey)
{
    using State = VQPermissionChecker::State;
    const char* icon = state == State::Granted ? kSuccessIconName : state == State::NotGranted ? kErrorIconName : kInfoIconName;
    row.icon->setPixmap(mm::imageNamed(QString::fromLatin1(icon), QSize(kIconSize, kIconSize)));
    row.state->setText(stateText(state));
    const QColor color = state == State::Granted ? kGrantedColor
        : state == State::NotGranted             ? kDeniedColor
        : state == State::Limited                ? kLimitedColor
                                                 : kSecondaryColor;
    row.state->setTextColor(color);
    row.howTo->setText(tr8(howToKey));
    row.howTo->setVisible(state != State::Granted && state != State::Checking);
}

QString AuthorityManagementWindowController::stateText(VQPermissionChecker::State state)
{
    switch (state) {
    case VQPermissionChecker::State::Granted:
        return tr8(kGrantedText);
    case VQPermissionChecker::State::NotGranted:
        return tr8(kNotGrantedText);
    case VQPermissionChecker::State::NotFound:
        return tr8(kNotFoundText);
    case VQPermissionChecker::State::Limited:
        return tr8(kLimitedText);
    case VQPermissionChecker::State::Checking:
        break;
    }
    return tr8(kCheckingText);
}

QString AuthorityManagementWindowController::hidrawStateText() const
{
    return m_hidraw.state->text();
}

QString AuthorityManagementWindowController::accessibilityStateText() const
{
    return m_a11y.state->text();
}

QString AuthorityManagementWindowController::x11StateText() const
{
    return m_x11.state->text();
}

QString AuthorityManagementWindowController::x11HowToText() const
{
    return m_x11.howTo->isVisibleTo(this) ? m_x11.howTo->text() : QString();
}

void AuthorityManagementWindowController::showWindow()
{
    m_checker->refresh();
    if (!isVisible()) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(0, 0), size());
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    show();
    raise();
    activateWindow();
}

QString AuthorityManagementWindowController::udevRulePath()
{
    const QString installed = QStandardPaths::locate(QStandardPaths::GenericDataLocation, QString::fromLatin1(kInstalledRulePath));
    if (!installed.isEmpty())
        return installed;

    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/udev");
    const QString path = folder + QLatin1Char('/') + QString::fromLatin1(kUdevRuleFileName);
    QFile resource(QString::fromLatin1(kUdevRuleResource));
    if (!resource.open(QIODevice::ReadOnly)) {
        VQLogError(QStringLiteral("The udev rule is missing from the resources"));
        return path;
    }
    const QByteArray rule = resource.readAll();
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == rule)
        return path;
    current.close();
    QSaveFile file(path);
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) || file.write(rule) != rule.size() || !file.commit())
        VQLogError(QStringLiteral("Cannot write the udev rule to %1").arg(path));
    return path;
}

QString AuthorityManagementWindowController::udevInstallCommand(const QString& rulePath)
{
    return QStringLiteral("sudo install -m 0644 %1 /etc/udev/rules.d/ && sudo udevadm control --reload-rules && "
                          "sudo udevadm trigger --subsystem-match=hidraw")
        .arg(shellQuoted(rulePath));
}
