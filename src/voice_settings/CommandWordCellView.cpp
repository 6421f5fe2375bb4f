#include "CommandWordCellView.h"

#include "KeyShortcut.h"
#include "MMImage.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQShortcutRecorder.h"

#include <QFont>

namespace {

constexpr int kIconSize = 24;
constexpr int kButtonSize = 40;
constexpr int kWordWidth = 120;
constexpr int kLabelHeight = 22;
constexpr int kShortcutWidth = 100;

void styleLabel(VQLabel* label)
{
    QFont font = label->font();
    font.setPixelSize(16);
    label->setFont(font);
    label->setTextColor(QColor(38, 12, 12));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Cut at its tail; the whole text shows when hovered.
    label->setElideMode(Qt::ElideRight);
}

} // namespace

CommandWordCellView::CommandWordCellView(QWidget* parent)
    : QWidget(parent)
    , m_typeImageView(new QLabel(this))
    , m_wordLabel(new VQLabel(this))
    , m_contentLabel(new VQLabel(this))
    , m_shortcutsView(new VQShortcutRecorder(this))
    , m_editBtn(new VQButton(this))
    , m_delBtn(new VQButton(this))
{
    m_typeImageView->setAttribute(Qt::WA_TransparentForMouseEvents);
    styleLabel(m_wordLabel);
    styleLabel(m_contentLabel);
    m_shortcutsView->setReadOnly(true);
    m_editBtn->setImageName(QString::fromLatin1(kEditImageName));
    m_delBtn->setImageName(QString::fromLatin1(kDeleteImageName));
    connect(m_editBtn, &VQButton::clicked, this, [this] {
        if (m_delegate && m_model)
            m_delegate->commandWordCellViewEditBtnClickedWithModel(this, *m_model);
    });
    connect(m_delBtn, &VQButton::clicked, this, [this] {
        if (m_delegate && m_model)
            m_delegate->commandWordCellViewDeleteBtnClickedWithModel(this, *m_model);
    });
    setModel(std::nullopt);
}

void CommandWordCellView::setModel(const std::optional<VQVoiceCommandItem>& model)
{
    m_model = model;
    if (!m_model) {
        m_typeImageName.clear();
        for (QWidget* view : {static_cast<QWidget*>(m_typeImageView), static_cast<QWidget*>(m_wordLabel),
                              static_cast<QWidget*>(m_contentLabel), static_cast<QWidget*>(m_shortcutsView),
                              static_cast<QWidget*>(m_editBtn), static_cast<QWidget*>(m_delBtn)})
            view->hide();
        return;
    }
    const qint64 type = m_model->typeIndex();
    const QString imageName = QString::fromLatin1(kTypeImageFormat).arg(type + 1);
    if (imageName != m_typeImageName) {
        m_typeImageName = imageName;
        m_typeImageView->setPixmap(mm::imageNamed(imageName, QSize(kIconSize, kIconSize)));
    }
    m_wordLabel->setText(m_model->customCmd);
    m_contentLabel->setText(m_model->customName);
    m_typeImageView->show();
    m_wordLabel->show();
    m_editBtn->show();
    m_delBtn->show();
    if (type == VQVoiceCommandItem::kShortcutsIndex) {
        m_contentLabel->hide();
        // A record that cannot be read shows no combination rather than key code 0.
        m_shortcutsView->setShortcutValue(KeyShortcut::fromRecordJson(m_model->customName));
        m_shortcutsView->show();
    } else {
        m_shortcutsView->hide();
        m_contentLabel->show();
    }
    layoutViews();
}

void CommandWordCellView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutViews();
}

void CommandWordCellView::layoutViews()
{
    const int h = height();
    const int w = width();
    m_typeImageView->setGeometry(20, (h - kIconSize) / 2, kIconSize, kIconSize);
    const int wordLeft = 20 + kIconSize + 15;
    m_wordLabel->setGeometry(wordLeft, (h - kLabelHeight) / 2, kWordWidth, kLabelHeight);
    m_delBtn->setGeometry(w - 20 - kButtonSize, (h - kButtonSize) / 2, kButtonSize, kButtonSize);
    m_editBtn->setGeometry(m_delBtn->x() - 5 - kButtonSize, (h - kButtonSize) / 2, kButtonSize, kButtonSize);
    const int contentLeft = wordLeft + kWordWidth + 15;
    const int contentWidth = qMax(0, m_editBtn->x() - 10 - contentLeft);
    m_contentLabel->setGeometry(contentLeft, (h - kLabelHeight) / 2, contentWidth, kLabelHeight);
    m_shortcutsView->setGeometry(contentLeft, (h - kLabelHeight) / 2, kShortcutWidth, kLabelHeight);
}
