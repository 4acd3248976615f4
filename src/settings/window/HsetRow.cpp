#include "HsetRow.h"

#include "HsetLayout.h"

#include <QAccessible>
#include <QPalette>
#include <QSignalBlocker>

#include <algorithm>

namespace {
ClickableLabel *makeSoundLabel(QWidget *parent, QRect geometry, Qt::Alignment alignment)
{
    auto *label = new ClickableLabel(parent);
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

const QColor NeverRings(150, 0, 0);
} // namespace

void HsetRow::build(QWidget *grid, int alarm, QObject *filter)
{
    using namespace HsetLayout;
    this->alarm = alarm;
    const int top = RowTops[size_t(alarm - 1)];
    number = new QLabel(QString::number(alarm), grid);
    number->setGeometry(inGrid({NumberLeft, top}, NumberSize));
    for (size_t index = 0; index < boxes.size(); ++index) {
        boxes[index] = new QLineEdit(grid);
        boxes[index]->setGeometry(inGrid({BoxLefts[index], top}, BoxSize));
        boxes[index]->installEventFilter(filter);
    }
    state = new QLabel(grid);
    state->setGeometry(inGrid({StateLeft, top}, {StateWidth, 17}));
    for (size_t option = 0; option < options.size(); ++option) {
        options[option] = makeSoundLabel(grid, inGrid({SoundLefts[option], top}, OptionSize), Qt::AlignHCenter);
        options[option]->toggle = true;
    }
    waveFile = makeSoundLabel(grid, inGrid({SoundLefts[Options], top}, WaveSize), Qt::AlignLeft);
    name = new QLineEdit(grid);
    name->setGeometry(inGrid({NameLeft, top}, {NameWidth, BoxSize.height()}));
    name->installEventFilter(filter);
}

void HsetRow::load(const AlarmRecord &record, const QString &typedName)
{
    const QSignalBlocker quiet(name);
    name->setText(typedName);
    for (size_t index = 0; index < boxes.size(); ++index) {
        const QSignalBlocker quiet(boxes[index]); // the states are shown once the rows are filled
        boxes[index]->setText(record.field(int(index)));
    }
    for (size_t option = 0; option < options.size(); ++option)
        options[option]->setText(record.field(5 + int(option)));
    waveFile->setText(record.waveFile);
}

void HsetRow::show(const AlarmRecord &record, Language language)
{
    for (size_t index = 0; index < boxes.size(); ++index) {
        if (boxes[index]->text() != record.field(int(index)))
            boxes[index]->setText(record.field(int(index)));
    }
    for (size_t option = 0; option < options.size(); ++option) {
        if (options[option]->text() != record.field(5 + int(option)))
            options[option]->setCaption(record.field(5 + int(option)));
    }
    if (waveFile->text() != record.waveFile)
        waveFile->setText(record.waveFile);
    nameWaveFile(language);
}

void HsetRow::showName(const QString &typedName)
{
    if (name->text() != typedName)
        name->setText(typedName);
}

void HsetRow::describe(Language language)
{
    const HsetCaptions &captions = hsetCaptions(language);
    const HsetDescriptions &texts = hsetDescriptions(language);
    const QString row = QStringLiteral("%1 %2, ").arg(texts.alarm).arg(alarm);
    for (size_t index = 0; index < boxes.size(); ++index)
        boxes[index]->setAccessibleName(row + captions.headings[1 + index]);
    for (size_t option = 0; option < options.size(); ++option) {
        options[option]->setAccessibleName(row + captions.headings[6 + option]);
        options[option]->setAccessibleDescription(texts.option);
    }
    waveFile->setAccessibleDescription(texts.waveFile);
    name->setAccessibleName(row + captions.name);
    nameWaveFile(language);
    forget();
}

// The wave-file cell is a button named by its row, its column and the file it holds.
void HsetRow::nameWaveFile(Language language)
{
    const QString name = QStringLiteral("%1 %2, %3 : %4")
                             .arg(hsetDescriptions(language).alarm)
                             .arg(alarm)
                             .arg(hsetCaptions(language).headings[6 + Options], waveFile->text());
    if (waveFile->accessibleName() != name)
        waveFile->setAccessibleName(name);
}

void HsetRow::showState(const RowState &rowState, Language language, bool windowVisible, QLabel *announcement)
{
    const HsetCaptions &captions = hsetCaptions(language);
    // Set but never ringing stands out; a long reason is cut with an ellipsis and read whole in its tooltip.
    // A new palette is made only when the colour changes: the style keeps pictures for every palette it meets.
    if (rowState.fine != fine || !state->testAttribute(Qt::WA_SetPalette)) {
        fine = rowState.fine;
        QPalette palette = state->parentWidget()->palette();
        if (!fine)
            palette.setColor(QPalette::WindowText, NeverRings);
        state->setPalette(palette);
    }
    state->setText(state->fontMetrics().elidedText(rowState.text, Qt::ElideRight, state->width()));
    state->setToolTip(rowState.text);
    const QString stateTip =
        rowState.text.isEmpty() ? QString() : QStringLiteral("\n%1: %2").arg(captions.state, rowState.text);
    for (size_t index = 0; index < boxes.size(); ++index)
        boxes[index]->setToolTip(captions.dateBoxTips[index] + stateTip);
    name->setToolTip(captions.nameTip + stateTip);
    // Each box of the row describes the row's state, so that it is heard wherever the user is in the row.
    // Boxes without the focus are told when they take it: each word sent costs a screen reader time.
    if (rowState.spoken == spoken)
        return;
    spoken = rowState.spoken;
    state->setAccessibleName(spoken);
    const std::array<QLineEdit *, 6> typing = {boxes[0], boxes[1], boxes[2], boxes[3], boxes[4], name};
    const bool typedHere = std::any_of(typing.begin(), typing.end(), [](QLineEdit *box) { return box->hasFocus(); });
    // A change where the user types is read out once, in a sentence of its own. A screen reader reads a new
    // description of the focused box aloud as well, so that box too is told when it next takes the focus.
    const bool announce = typedHere && windowVisible;
    for (QLineEdit *box : typing) {
        if (box->hasFocus() ? !announce : box->accessibleDescription().isEmpty())
            box->setAccessibleDescription(spoken);
    }
    if (announce) {
        announcement->setText(spoken);
        QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
}

void HsetRow::describeFocused(QLineEdit *box)
{
    if (box->accessibleDescription() != spoken)
        box->setAccessibleDescription(spoken);
}

int HsetRow::boxIndex(const QObject *object) const
{
    const auto found = std::find(boxes.begin(), boxes.end(), object);
    return found == boxes.end() ? -1 : int(found - boxes.begin());
}

std::array<QString, 5> HsetRow::typed() const
{
    std::array<QString, 5> texts;
    for (size_t index = 0; index < boxes.size(); ++index)
        texts[index] = boxes[index]->text();
    return texts;
}
