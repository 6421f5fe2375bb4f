#pragma once

#include "VQLabel.h"

#include <QFont>

// The look shared by the smart settings page's sections: titles at 20 px, row labels at 16 px,
// regular weight, RGB(38, 12, 12), left-aligned.
namespace vq {

inline constexpr int kSectionTitlePixelSize = 20;
inline constexpr int kSectionRowPixelSize = 16;

inline VQLabel* makeSectionLabel(QWidget* parent, int pixelSize)
{
    auto* label = new VQLabel(parent);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    label->setFont(font);
    label->setTextColor(QColor(38, 12, 12));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

} // namespace vq
