#include "HsetLayout.h"

#include <QFontMetrics>
#include <QLabel>

namespace HsetLayout {

QLabel *makeLabel(QWidget *parent, QRect geometry)
{
    auto *label = new QLabel(parent);
    label->setGeometry(geometry);
    return label;
}

void setFittingText(QLabel *label, const QString &text)
{
    QFont font = label->parentWidget()->font();
    while (QFontMetrics(font).horizontalAdvance(text) > label->width() && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
    label->setText(text);
}

QFont gridFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

} // namespace HsetLayout
