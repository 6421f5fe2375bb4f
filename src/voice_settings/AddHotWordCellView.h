#pragma once

#include <QWidget>

#include <functional>

class VQTextField;

// One input row of the hot-word editor. The field tells its owner when it gains the focus
// (begin), when it loses it (end, with its text) and when Return is pressed, which ends the
// editing (the field gives up the focus) without inserting anything.
class AddHotWordCellView : public QWidget {
    Q_OBJECT
public:
    explicit AddHotWordCellView(QWidget* parent = nullptr);

    VQTextField* contentField() const { return m_contentField; }
    QString stringValue() const { return m_stringValue; }
    // Keeps the text and shows it in the field.
    void setStringValue(const QString& value);

    void setInputBeginBlock(std::function<void()> block) { m_inputBeginBlock = std::move(block); }
    void setInputEndBlock(std::function<void(const QString&)> block) { m_inputEndBlock = std::move(block); }
    void setInsertNewlineBlock(std::function<void()> block) { m_insertNewlineBlock = std::move(block); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    VQTextField* m_contentField = nullptr;
    QString m_stringValue;
    std::function<void()> m_inputBeginBlock;
    std::function<void(const QString&)> m_inputEndBlock;
    std::function<void()> m_insertNewlineBlock;
};
