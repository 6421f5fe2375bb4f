#include "KeySettingView.h"

#include "KeySettingSubView.h"
#include "MouseSettingModel.h"
#include "VQLabel.h"

#include <QApplication>

#include <algorithm>

namespace {

const QColor kTextColor(38, 12, 12);

} // namespace

KeySettingView::KeySettingView(QWidget* parent)
    : VQBaseView(parent)
{
    m_titleLabel = new VQLabel(this);
    QFont font = QApplication::font();
    font.setPixelSize(20);
    m_titleLabel->setFont(font);
    m_titleLabel->setTextColor(kTextColor);
    m_titleLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void KeySettingView::setModel(std::shared_ptr<MouseSettingModel> key)
{
    m_model = std::move(key);
    const qsizetype kinds = m_model ? m_model->childs().size() : 0;
    setViewHeight(kBaseHeight + kRowPitch * static_cast<double>(kinds));
    resize(width(), static_cast<int>(viewHeight()));
    configUI();
}

void KeySettingView::configUI()
{
    qDeleteAll(m_rows);
    m_rows.clear();
    if (!m_model)
        return;
    m_titleLabel->setText(m_model->name());
    for (const auto& kind : m_model->childs()) {
        auto* row = new KeySettingSubView(this);
        row->setMouseModelSettingModel(m_record);
        row->setMouseModel(m_model);
        row->setKeyModel(kind);
        row->show();
        m_rows << row;
    }
    layoutRows();
}

void KeySettingView::configTitle()
{
    if (m_model)
        m_titleLabel->setText(m_model->name());
}

void KeySettingView::resizeEvent(QResizeEvent* event)
{
    VQBaseView::resizeEvent(event);
    layoutRows();
}

void KeySettingView::layoutRows()
{
    m_titleLabel->setGeometry(0, 0, width(), kTitleHeight);
    // The press kinds' pop-ups line up after the widest title, as far as the section leaves
    // the pop-ups their room; a longer title is cut.
    int titleWidth = KeySettingSubView::kPopUpLeft - KeySettingSubView::kTitleGap;
    for (const KeySettingSubView* row : std::as_const(m_rows))
        titleWidth = std::max(titleWidth, row->titleTextWidth());
    titleWidth = std::min(titleWidth, width() - KeySettingSubView::kTitleGap - KeySettingSubView::kMinPopUpWidth);
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        m_rows[i]->setTitleWidth(std::max(0, titleWidth));
        m_rows[i]->setGeometry(0, kTitleHeight + kFirstRowGap + kRowPitch * static_cast<int>(i), width(),
                               KeySettingSubView::kRowHeight);
        m_rows[i]->layoutRow();
    }
}
