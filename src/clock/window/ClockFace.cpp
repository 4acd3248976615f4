#include "ClockFace.h"

#include "ClockTexts.h"
#include "FocusButton.h"
#include "TextNumber.h"

#include <QEvent>
#include <QIcon>
#include <QLoggingCategory>

#include <cstdio>

Q_LOGGING_CATEGORY(secondsDrawn, "kalindor.seconds", QtWarningMsg)

QFont boldFont(double points)
{
    QFont font;
    font.setBold(true);
    font.setPointSizeF(points);
    return font;
}

void paintClockWindow(QWidget *window)
{
    QIcon icon(QStringLiteral(":/pictures/icon.png"));
    icon.addFile(QStringLiteral(":/pictures/icon_32.png"));
    window->setWindowIcon(icon);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Grey);
    palette.setColor(QPalette::Button, Grey);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void bringUp(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void placeOver(QWidget *box, const QWidget *window)
{
    box->adjustSize();
    box->move(window->frameGeometry().center() - box->rect().center());
}

void chainTabOrder(const QWidgetList &order)
{
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QPushButton *textButton(QWidget *parent, const QString &text, QRect geometry)
{
    auto *button = new FocusButton(text, parent);
    button->setGeometry(geometry);
    return button;
}

QPushButton *pictureButton(QWidget *parent, QRect geometry, const QString &toolTip)
{
    auto *button = new FocusButton(parent);
    button->setToolTip(toolTip);
    button->setGeometry(geometry);
    button->setIconSize(QSize(32, 32));
    return button;
}

namespace {
void putTwoDigits(GlyphSlot *tens, GlyphSlot *units, int value)
{
    tens->putGlyph(value < 10 ? 0 : value / 10);
    units->putGlyph(value % 10);
}
} // namespace

void draw24(const std::array<GlyphSlot *, 5> &row, const QString &text24)
{
    putTwoDigits(row[0], row[1], clockHour(text24));
    putTwoDigits(row[3], row[4], clockMinutes(text24));
}

void draw12(const std::array<GlyphSlot *, 8> &row, const QString &text12)
{
    row[0]->putGlyph(glyphOf(text12.at(0)));
    row[1]->putGlyph(glyphOf(text12.at(1)));
    row[3]->putGlyph(glyphOf(text12.at(3)));
    row[4]->putGlyph(glyphOf(text12.at(4)));
    row[6]->putGlyph(QStringView(text12).mid(6) == u"PM" ? Glyph::P : Glyph::A);
    row[7]->putGlyph(Glyph::M);
}

void drawSeconds(const std::array<GlyphSlot *, 2> &row, const QString &seconds)
{
    row[0]->putGlyph(glyphOf(seconds.at(0)));
    row[1]->putGlyph(glyphOf(seconds.at(1)));
}

SecondsTrace::SecondsTrace(const std::array<GlyphSlot *, 5> &time, const std::array<GlyphSlot *, 2> &seconds,
                           std::function<qint64()> now)
    : QObject(seconds[1]), shown{time[0], time[1], time[2], time[3], time[4], seconds[0], seconds[1]}, now(std::move(now))
{
    if (secondsDrawn().isDebugEnabled())
        seconds[1]->installEventFilter(this);
}

bool SecondsTrace::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        // Written straight out: the trace must not cost more than what it measures.
        QByteArray line;
        for (const GlyphSlot *slot : shown) {
            if (slot == shown[5]) // "07:30" then ":05"
                line += ':';
            line += slot->glyph() == Glyph::Colon ? ':' : char('0' + slot->glyph());
        }
        line += ' ' + QByteArray::number(now()) + '\n';
        std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
        std::fflush(stderr);
    }
    return QObject::eventFilter(watched, event);
}
