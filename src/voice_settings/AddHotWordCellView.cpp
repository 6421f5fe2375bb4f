#include "AddHotWordCellView.h"

#include "VQTextField.h"

#include <QKeyEvent>

AddHotWordCellView::AddHotWordCellView(QWidget* parent)
    : QWidget(parent)
    , m_contentField(new VQTextField(this))
{
    QFont font = m_contentField->font();
    font.setPixelSize(16);
    m_contentField->setFont(font);
    m_contentField->setTextColor(QColor(38, 12, 12));
    // The row's stripe shows through the field.
    m_contentField->setStyleSheet(QStringLiteral("background: transparent; border: none;"));
    m_contentField->installEventFilter(this);
}

void AddHotWordCellView::setStringValue(const QString& value)
{
    m_stringValue = value;
    m_contentField->setText(value);
}

bool AddHotWordCellView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_contentField) {
        switch (event->type()) {
        case QEvent::FocusIn:
            if (m_inputBeginBlock)
                m_inputBeginBlock();
            break;
        case QEvent::FocusOut:
            if (m_inputEndBlock)
                m_inputEndBlock(m_contentField->text());
            break;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                // Ends this row's editing (the end block stores the text), then walks on.
                if (m_contentField->hasFocus())
                    m_contentField->clearFocus();
                else if (m_inputEndBlock)
                    m_inputEndBlock(m_contentField->text());
                if (m_insertNewlineBlock)
                    m_insertNewlineBlock();
                return true;
            }
            break;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AddHotWordCellView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_contentField->setGeometry(0, 0, qMax(0, width() - 5), height());
}
