#include "Hset.h"

#include "AccessibleAs.h"
#include "FileProblemTexts.h"
#include "FocusButton.h"
#include "Texts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPixmap>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStandardPaths>

#include <algorithm>

namespace {
using BoxRow = std::array<QLineEdit *, 5> Hset::*;
using SoundLabel = ClickableLabel *Hset::*;

// The grid, alarm 1 at the top: date/time boxes, then the gong, ring, meeting and wave-file labels.
const std::array<BoxRow, 10> BoxRows = {&Hset::Text3, &Hset::Text4, &Hset::Text5,  &Hset::Text6,  &Hset::Text7,
                                        &Hset::Text8, &Hset::Text9, &Hset::Text10, &Hset::Text11, &Hset::Text12};
const std::array<std::array<SoundLabel, 4>, 10> SoundLabels = {{
    {&Hset::Label4, &Hset::Label5, &Hset::Label6, &Hset::Label7},
    {&Hset::Label8, &Hset::Label9, &Hset::Label10, &Hset::Label11},
    {&Hset::Label12, &Hset::Label13, &Hset::Label23, &Hset::Label24},
    {&Hset::Label25, &Hset::Label26, &Hset::Label27, &Hset::Label28},
    {&Hset::Label29, &Hset::Label30, &Hset::Label31, &Hset::Label32},
    {&Hset::Label33, &Hset::Label34, &Hset::Label35, &Hset::Label36},
    {&Hset::Label37, &Hset::Label38, &Hset::Label39, &Hset::Label40},
    {&Hset::Label41, &Hset::Label42, &Hset::Label43, &Hset::Label44},
    {&Hset::Label45, &Hset::Label46, &Hset::Label47, &Hset::Label48},
    {&Hset::Label49, &Hset::Label50, &Hset::Label51, &Hset::Label52},
}};
constexpr std::array<int, 10> RowTops = {105, 125, 144, 164, 184, 203, 223, 243, 262, 282};
constexpr std::array<int, 5> BoxLefts = {59, 103, 148, 194, 240};
constexpr std::array<int, 4> SoundLefts = {286, 323, 361, 400};
constexpr std::array<int, 10> HeadingLefts = {9, 59, 103, 148, 194, 240, 287, 321, 368, 480};
constexpr int GridTop = 80; // the grid's container begins above the headings
constexpr int GridBottom = 302;
constexpr int StateLeft = 686;
constexpr int StateWidth = 206;
constexpr int ClientWidth = StateLeft + StateWidth + 4;
constexpr int SoundLineTop = 334; // the level and rise, below the interval's line
constexpr int ClientHeight = 358;
constexpr int OptionFields = 3;
constexpr int WaveColumn = 3;
const QColor Grey(192, 192, 192);

struct Captions
{
    std::array<QString, 10> headings;
    QString save, intervalCaption, intervalHint, state;
    QString quietFrom, quietTo, quietUnit, level, rise, riseUnit;
    std::array<QString, 5> dateBoxTips; // what each of the five date and time boxes accepts
};

Captions captionsIn(Language language)
{
    const Texts texts(language);
    Captions captions;
    captions.headings[0] = texts.translate("Hset", "N° Set");
    captions.headings[1] = texts.translate("Hset", "Day");
    captions.headings[2] = texts.translate("Hset", "Month");
    captions.headings[3] = texts.translate("Hset", "Year");
    captions.headings[4] = texts.translate("Hset", "Hour");
    captions.headings[5] = texts.translate("Hset", "Minute");
    captions.headings[6] = texts.translate("Hset", "Gong");
    captions.headings[7] = texts.translate("Hset", "Ring");
    captions.headings[8] = texts.translate("Hset", "Meeting");
    captions.headings[9] = texts.translate("Hset", "Personnel wave files");
    captions.save = texts.translate("Hset", "Save");
    captions.intervalCaption = texts.translate("Hset", "Announce time every : ");
    captions.intervalHint = texts.translate("Hset", "minutes  ex: 0 - 1 - 5 - 10 - 15 - 30 - 60");
    captions.state = texts.translate("Hset", "Next ring");
    captions.quietFrom = texts.translate("Hset", "Silent from");
    captions.quietTo = texts.translate("Hset", "h to");
    captions.quietUnit = texts.translate("Hset", "h");
    captions.level = texts.translate("Hset", "Alarm level : ");
    captions.rise = texts.translate("Hset", "rising over");
    captions.riseUnit = texts.translate("Hset", "s (0 = at once)");
    captions.dateBoxTips[0] =
        texts.translate("Hset", "Day of the month (5), * for every day, or weekdays: Mon-Fri, Sat,Sun");
    captions.dateBoxTips[1] = texts.translate("Hset", "Month 1 to 12, or * for every month");
    captions.dateBoxTips[2] = texts.translate("Hset", "Year in four digits (2026), or * for every year");
    captions.dateBoxTips[3] = texts.translate("Hset", "Hour 0 to 23 without a leading zero, or * for every hour");
    captions.dateBoxTips[4] = texts.translate("Hset", "Minute 0 to 59 without a leading zero, or * for every minute");
    return captions;
}

// What assistive technology says of the grid: "Alarm 3, Day", what each kind of cell does, and the
// example line read as an example.
struct Descriptions
{
    QString alarm, option, waveFile, save, example, grid;
    QString quietFrom, quietTo, quietHint, level, levelHint, rise, riseHint;
};

Descriptions descriptionsIn(Language language)
{
    const Texts texts(language);
    Descriptions descriptions;
    descriptions.alarm = texts.translate("Hset", "Alarm");
    descriptions.option = texts.translate("Hset", "Space chooses this sound");
    descriptions.waveFile = texts.translate("Hset", "Space chooses a wave file");
    descriptions.save = texts.translate("Hset", "Save the alarms, the interval and the sound settings, then close the window");
    descriptions.example = texts.translate("Hset", "Example: day %1, month %2, year %3, hour %4, minute %5, file %6");
    descriptions.grid = texts.translate("Hset", "The ten alarms");
    descriptions.quietFrom = texts.translate("Hset", "Silent from (hour)");
    descriptions.quietTo = texts.translate("Hset", "Silent until (hour)");
    descriptions.quietHint =
        texts.translate("Hset", "The time is not spoken by itself between these hours; both empty: never silent");
    descriptions.level = texts.translate("Hset", "Alarm level (percent)");
    descriptions.levelHint = texts.translate("Hset", "10 to 100 % of Kalindor's own sound; the system volume is left alone");
    descriptions.rise = texts.translate("Hset", "Alarm rise (seconds)");
    descriptions.riseHint = texts.translate(
        "Hset", "Each alarm minute starts at a quarter of the level and reaches it after these seconds; 0: at once");
    return descriptions;
}

// Read at every keystroke: each language once.
const Descriptions &descriptionsFor(Language language)
{
    static const std::array<Descriptions, 3> all = {descriptionsIn(French), descriptionsIn(German), descriptionsIn(English)};
    return all[size_t(std::clamp<int>(language, French, English))];
}

const Captions &captionsFor(Language language)
{
    static const std::array<Captions, 3> all = {captionsIn(French), captionsIn(German), captionsIn(English)};
    return all[size_t(std::clamp<int>(language, French, English))];
}

QLabel *makeLabel(QWidget *parent, QRect geometry)
{
    auto *label = new QLabel(parent);
    label->setGeometry(geometry);
    return label;
}

ClickableLabel *makeSoundLabel(QWidget *parent, QRect geometry, Qt::Alignment alignment)
{
    auto *label = new ClickableLabel(parent);
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

// Some captions are longer in one language than their column allows; those get a smaller face.
void setFittingText(QLabel *label, const QString &text)
{
    QFont font = label->parentWidget()->font();
    while (QFontMetrics(font).horizontalAdvance(text) > label->width() && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
    label->setText(text);
}

const std::array<QString, 6> ExampleValues = {QStringLiteral("9"), QStringLiteral("8"), QStringLiteral("2000"),
                                              QStringLiteral("9"), QStringLiteral("5"), QStringLiteral("D:\\new.wav")};

// "Ex :" and the example alarm, each value moved with spaces to stand under its column, in this font.
QString exampleLine(const QFontMetrics &metrics, int labelLeft)
{
    const std::array<std::pair<int, QString>, 6> values = {{{BoxLefts[0], ExampleValues[0]},
                                                           {BoxLefts[1], ExampleValues[1]},
                                                           {BoxLefts[2], ExampleValues[2]},
                                                           {BoxLefts[3], ExampleValues[3]},
                                                           {BoxLefts[4], ExampleValues[4]},
                                                           {SoundLefts[WaveColumn], ExampleValues[5]}}};
    constexpr int TextInset = 3; // where a box or label draws its first character
    QString line = QStringLiteral("Ex :");
    for (const auto &[left, value] : values) {
        do
            line += u' ';
        while (metrics.horizontalAdvance(line) < left + TextInset - labelLeft);
        line += value;
    }
    return line;
}
} // namespace

Hset::Hset(HPMOD &shared, AlarmBook &book, HsetServices services, QWidget *parent)
    : QWidget(parent, Qt::Window), shared(shared), book(book), services(std::move(services))
{
    setAttribute(Qt::WA_DeleteOnClose);
    AccessibleAs::mark(this, AccessibleAs::Dialog);
    setWindowTitle(QStringLiteral("ALARM SET"));
    // Escape closes it as its close button does: nothing is saved.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    setFixedSize(ClientWidth, ClientHeight);
    // The grid is measured for a small Arial-like face; wider faces would spill out of the columns.
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Grey);
    palette.setColor(QPalette::Button, Grey);
    setPalette(palette);
    setAutoFillBackground(true);

    Picture2 = makeLabel(this, QRect(113, 12, 33, 33));
    Picture2->setAlignment(Qt::AlignCenter);
    AccessibleAs::mark(Picture2, AccessibleAs::Silent);
    if (const QPixmap icon(QStringLiteral(":/pictures/icon.png")); !icon.isNull())
        Picture2->setPixmap(icon.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    Command1 = new FocusButton(this);
    Command1->setGeometry(382, 9, 95, 25);
    QFont bold = font;
    bold.setPointSize(12);
    bold.setBold(true);
    Command1->setFont(bold);
    connect(Command1, &QPushButton::clicked, this, &Hset::Command1_Click);

    Label1 = makeLabel(this, QRect(12, 56, 476, 20));
    Label1->setText(exampleLine(Label1->fontMetrics(), Label1->x()));

    // The grid's controls keep their places in the window: their container only shifts them by its top.
    grid = new QWidget(this);
    AccessibleAs::mark(grid, AccessibleAs::Table);
    grid->setGeometry(0, GridTop, ClientWidth, GridBottom - GridTop);
    for (int i = 0; i < int(Label2.size()); ++i) {
        const int top = (i >= 2 && i <= 4) ? 81 : 82;
        const int right = i + 1 < int(HeadingLefts.size()) ? HeadingLefts[i + 1] - 2 : ClientWidth;
        Label2[i] = makeLabel(grid, QRect(HeadingLefts[i], top - GridTop, right - HeadingLefts[i], 17));
    }

    for (int alarm = 1; alarm <= 10; ++alarm) {
        const int top = RowTops[alarm - 1] - GridTop;
        Label3[alarm - 1] = makeLabel(grid, QRect(9, top, 33, 17));
        Label3[alarm - 1]->setText(QString::number(alarm));
        for (int index = 0; index < 5; ++index) {
            auto *box = new QLineEdit(grid);
            box->setGeometry(BoxLefts[index], top, 41, 19);
            box->installEventFilter(this);
            connect(box, &QLineEdit::textChanged, this, [this, alarm, index](const QString &text) {
                this->book.setField(alarm, index, text);
                showRowState(alarm);
            });
            (this->*BoxRows[alarm - 1])[index] = box;
        }
        rowStates[alarm - 1] = makeLabel(grid, QRect(StateLeft, top, StateWidth, 17));
        for (int option = 0; option < OptionFields; ++option) {
            auto *label = makeSoundLabel(grid, QRect(SoundLefts[option], top, 30, 16), Qt::AlignHCenter);
            label->toggle = true;
            label->onClick = [this, alarm, option] { optionClicked(alarm, option); };
            this->*SoundLabels[alarm - 1][option] = label;
        }
        auto *wave = makeSoundLabel(grid, QRect(SoundLefts[WaveColumn], top, 281, 17), Qt::AlignLeft);
        wave->onClick = [this, alarm] { waveFileClicked(alarm); };
        this->*SoundLabels[alarm - 1][WaveColumn] = wave;
    }

    Label14 = makeLabel(this, QRect(8, 312, 137, 18));
    Text1 = new QLineEdit(this);
    Text1->setGeometry(149, 312, 38, 19);
    Text1->installEventFilter(this);
    connect(Text1, &QLineEdit::textChanged, &book, &AlarmBook::setInterval);
    Label15 = makeLabel(this, QRect(197, 312, 218, 18));
    // Both label the interval box, which says what they say; a screen reader then leaves them out of
    // what it reads when the window opens. So do the captions of the boxes that follow.
    Label14->setBuddy(Text1);
    Label15->setBuddy(Text1);
    const auto soundBox = [this](QRect geometry, QString SoundSettings::*field) {
        auto *box = new QLineEdit(this);
        box->setGeometry(geometry);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this, field](const QString &text) {
            SoundSettings settings = this->book.soundSettings();
            settings.*field = text;
            this->book.setSoundSettings(settings);
        });
        return box;
    };
    quietCaption = makeLabel(this, QRect(418, 312, 64, 18));
    quietFrom = soundBox(QRect(484, 312, 26, 19), &SoundSettings::quietFrom);
    quietToCaption = makeLabel(this, QRect(514, 312, 34, 18));
    quietTo = soundBox(QRect(550, 312, 26, 19), &SoundSettings::quietTo);
    quietUnit = makeLabel(this, QRect(580, 312, 20, 18));
    levelCaption = makeLabel(this, QRect(8, SoundLineTop, 137, 18));
    level = soundBox(QRect(149, SoundLineTop, 38, 19), &SoundSettings::level);
    levelUnit = makeLabel(this, QRect(191, SoundLineTop, 16, 18));
    levelUnit->setText(QStringLiteral("%"));
    riseCaption = makeLabel(this, QRect(211, SoundLineTop, 86, 18));
    rise = soundBox(QRect(299, SoundLineTop, 38, 19), &SoundSettings::rise);
    riseUnit = makeLabel(this, QRect(343, SoundLineTop, 150, 18));
    for (QLabel *caption : {quietCaption, quietToCaption, quietUnit})
        caption->setBuddy(caption == quietCaption ? quietFrom : quietTo);
    levelCaption->setBuddy(level);
    levelUnit->setBuddy(level);
    riseCaption->setBuddy(rise);
    riseUnit->setBuddy(rise);
    // What the boxes' descriptions say too: left out of what screen readers find.
    quietState = makeLabel(this, QRect(StateLeft, 312, StateWidth, 18));
    loudnessState = makeLabel(this, QRect(StateLeft, SoundLineTop, StateWidth, 18));
    for (QLabel *state : {quietState, loudnessState}) {
        AccessibleAs::mark(state, AccessibleAs::Silent);
        QPalette palette = state->palette();
        palette.setColor(QPalette::WindowText, QColor(150, 0, 0));
        state->setPalette(palette);
    }
    stateHeading = makeLabel(grid, QRect(StateLeft, 82 - GridTop, StateWidth, 17));
    announcement = new QLabel(this, Qt::Tool);
    AccessibleAs::mark(announcement, AccessibleAs::Notification);

    blinkTime = QApplication::cursorFlashTime();
    cursorRest.setSingleShot(true);
    cursorRest.setInterval(10000);
    cursorRest.callOnTimeout([] { QApplication::setCursorFlashTime(0); });
    wakeCursor();
    Text3[0]->setFocus(); // not Save, which a stray Space would press
    Form_Load();
    connect(&book, &AlarmBook::rowChanged, this, &Hset::showRow);
    connect(&book, &AlarmBook::intervalChanged, this, [this] {
        if (Text1->text() != this->book.interval())
            Text1->setText(this->book.interval());
    });
    connect(&book, &AlarmBook::soundSettingsChanged, this, &Hset::showSoundSettings);
    // Captions are the activation's job; setting them now as well keeps a window that is never
    // activated (one shown where no window manager runs) from carrying blank headings.
    Form_Activate();
}

QLineEdit *Hset::dateBox(int alarm, int index) const
{
    return (this->*BoxRows[alarm - 1])[index];
}

ClickableLabel *Hset::soundLabel(int alarm, int column) const
{
    return this->*SoundLabels[alarm - 1][column];
}

ClickableLabel *Hset::waveFileLabel(int alarm) const
{
    return soundLabel(alarm, WaveColumn);
}

ClickableLabel *Hset::optionLabel(int alarm, int option) const
{
    return soundLabel(alarm, option);
}

void Hset::Form_Load()
{
    for (int alarm = 1; alarm <= 10; ++alarm) {
        const AlarmRecord &record = book.row(alarm);
        for (int index = 0; index < 5; ++index) {
            const QSignalBlocker quiet(dateBox(alarm, index)); // the states are shown once the rows are filled
            dateBox(alarm, index)->setText(record.field(index));
        }
        for (int column = 0; column <= WaveColumn; ++column)
            soundLabel(alarm, column)->setText(record.field(5 + column));
    }
    const QSignalBlocker quiet(Text1);
    Text1->setText(book.interval());
    showSoundSettings();
}

// Also a change the window did not make itself: the book was reverted.
void Hset::showSoundSettings()
{
    const SoundSettings &settings = book.soundSettings();
    const std::pair<QLineEdit *, const QString *> boxes[] = {
        {quietFrom, &settings.quietFrom}, {quietTo, &settings.quietTo}, {level, &settings.level}, {rise, &settings.rise}};
    for (const auto &[box, text] : boxes) {
        if (box->text() != *text) {
            const QSignalBlocker quiet(box);
            box->setText(*text);
        }
    }
    showSoundProblems();
}

// In the state column, as a row's reason is, and in the description of the boxes it is about.
void Hset::showSoundProblems()
{
    const Descriptions &texts = descriptionsFor(shared.CurrentLanguage);
    const QString quietProblem = quietHoursProblem(book.soundSettings(), shared.CurrentLanguage);
    const QString loudProblem = loudnessProblem(book.soundSettings(), shared.CurrentLanguage);
    for (const auto &[state, problem] : {std::pair{quietState, quietProblem}, std::pair{loudnessState, loudProblem}}) {
        state->setText(state->fontMetrics().elidedText(problem, Qt::ElideRight, state->width()));
        state->setToolTip(problem);
    }
    const auto describe = [](QLineEdit *box, const QString &hint, const QString &problem) {
        const QString description = problem.isEmpty() ? hint : problem + QStringLiteral(". ") + hint;
        if (box->accessibleDescription() != description)
            box->setAccessibleDescription(description);
        box->setToolTip(description);
    };
    describe(quietFrom, texts.quietHint, quietProblem);
    describe(quietTo, texts.quietHint, quietProblem);
    describe(level, texts.levelHint, loudProblem);
    describe(rise, texts.riseHint, loudProblem);
}

// A change the window did not make itself: the check gave alarm 1 its default file, or the book was reverted.
void Hset::showRow(int alarm)
{
    const AlarmRecord &record = book.row(alarm);
    for (int index = 0; index < 5; ++index) {
        if (dateBox(alarm, index)->text() != record.field(index))
            dateBox(alarm, index)->setText(record.field(index));
    }
    for (int column = 0; column <= WaveColumn; ++column) {
        if (soundLabel(alarm, column)->text() != record.field(5 + column))
            soundLabel(alarm, column)->setText(record.field(5 + column));
    }
    nameWaveFileCell(alarm);
}

void Hset::Form_Activate()
{
    const Captions &captions = captionsFor(shared.CurrentLanguage);
    for (int i = 0; i < int(Label2.size()); ++i)
        setFittingText(Label2[i], captions.headings[i]);
    Command1->setText(captions.save);
    stateHeading->setText(captions.state);
    setFittingText(Label14, captions.intervalCaption);
    setFittingText(Label15, captions.intervalHint);
    setFittingText(quietCaption, captions.quietFrom);
    setFittingText(quietToCaption, captions.quietTo);
    quietUnit->setText(captions.quietUnit);
    setFittingText(levelCaption, captions.level);
    setFittingText(riseCaption, captions.rise);
    setFittingText(riseUnit, captions.riseUnit);

    describeRows();
    refreshStates();
}

void Hset::describeRows()
{
    if (describedLanguage == shared.CurrentLanguage)
        return;
    describedLanguage = shared.CurrentLanguage;
    const Captions &captions = captionsFor(shared.CurrentLanguage);
    const Descriptions &texts = descriptionsFor(shared.CurrentLanguage);
    Command1->setAccessibleDescription(texts.save);
    Text1->setAccessibleName(captions.intervalCaption.section(u':', 0, 0).trimmed());
    Text1->setAccessibleDescription(captions.intervalHint.simplified());
    quietFrom->setAccessibleName(texts.quietFrom);
    quietTo->setAccessibleName(texts.quietTo);
    level->setAccessibleName(texts.level);
    rise->setAccessibleName(texts.rise);
    showSoundProblems();
    grid->setAccessibleName(texts.grid);
    Label1->setAccessibleName(texts.example.arg(ExampleValues[0], ExampleValues[1], ExampleValues[2], ExampleValues[3],
                                                ExampleValues[4], ExampleValues[5]));
    for (int alarm = 1; alarm <= 10; ++alarm) {
        const QString row = QStringLiteral("%1 %2, ").arg(texts.alarm).arg(alarm);
        for (int index = 0; index < 5; ++index)
            dateBox(alarm, index)->setAccessibleName(row + captions.headings[1 + index]);
        for (int option = 0; option < OptionFields; ++option) {
            optionLabel(alarm, option)->setAccessibleName(row + captions.headings[6 + option]);
            optionLabel(alarm, option)->setAccessibleDescription(texts.option);
        }
        waveFileLabel(alarm)->setAccessibleDescription(texts.waveFile);
        nameWaveFileCell(alarm);
        spokenStates[size_t(alarm - 1)].clear(); // the row's sentence too is said anew in the new language
    }
}

// The wave-file cell is a button named by its row, its column and the file it holds.
void Hset::nameWaveFileCell(int alarm)
{
    const QString name = QStringLiteral("%1 %2, %3 : %4")
                             .arg(descriptionsFor(shared.CurrentLanguage).alarm)
                             .arg(alarm)
                             .arg(captionsFor(shared.CurrentLanguage).headings[6 + WaveColumn], waveFileLabel(alarm)->text());
    if (waveFileLabel(alarm)->accessibleName() != name)
        waveFileLabel(alarm)->setAccessibleName(name);
}

void Hset::refreshStates()
{
    for (int alarm = 1; alarm <= 10; ++alarm)
        showRowState(alarm);
}

void Hset::showRowState(int alarm)
{
    QLabel *label = rowStates[size_t(alarm - 1)];
    if (!label)
        return;
    const Captions &captions = captionsFor(shared.CurrentLanguage);
    std::array<QString, 5> boxes;
    for (int index = 0; index < 5; ++index)
        boxes[size_t(index)] = dateBox(alarm, index)->text();
    const RowState state = services.rowState ? services.rowState(alarm, boxes) : RowState();
    // Set but never ringing stands out; a long reason is cut with an ellipsis and read whole in its tooltip.
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, state.fine ? palette.color(QPalette::WindowText) : QColor(150, 0, 0));
    label->setPalette(palette);
    label->setText(label->fontMetrics().elidedText(state.text, Qt::ElideRight, label->width()));
    label->setToolTip(state.text);
    const QString stateTip = state.text.isEmpty() ? QString() : QStringLiteral("\n%1: %2").arg(captions.state, state.text);
    for (int index = 0; index < 5; ++index)
        dateBox(alarm, index)->setToolTip(captions.dateBoxTips[size_t(index)] + stateTip);
    // Each box of the row describes the row's state, so that it is heard wherever the user is in the row.
    // Boxes without the focus are told when they take it: each word sent costs a screen reader time.
    QString &spoken = spokenStates[size_t(alarm - 1)];
    if (state.spoken == spoken)
        return;
    spoken = state.spoken;
    label->setAccessibleName(spoken);
    bool typedHere = false;
    for (int index = 0; index < 5; ++index)
        typedHere = typedHere || dateBox(alarm, index)->hasFocus();
    // A change where the user types is read out once, in a sentence of its own. A screen reader reads a new
    // description of the focused box aloud as well, so that box too is told when it next takes the focus.
    const bool announce = typedHere && isVisible();
    for (int index = 0; index < 5; ++index) {
        QLineEdit *box = dateBox(alarm, index);
        if (box->hasFocus() ? !announce : box->accessibleDescription().isEmpty())
            box->setAccessibleDescription(spoken);
    }
    if (announce) {
        announcement->setText(spoken);
        QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
}

void Hset::Text1_Click()
{
    Text1->clear();
}

void Hset::dateBoxClicked(int alarm, int index)
{
    dateBox(alarm, index)->clear();
    shared.lastClickedColumn = qint16(index);
}

void Hset::optionClicked(int alarm, int option)
{
    for (int other = 0; other < OptionFields; ++other)
        optionLabel(alarm, other)->setCaption(other == option ? QStringLiteral("1") : QStringLiteral("0"));
    waveFileLabel(alarm)->setText(NoWaveFile);
    takeSoundChoice(alarm);
}

// A cancel changes nothing: taking a Windows path that never exists here for the answer would put the
// default alert sound in place of the user's own choice.
void Hset::waveFileClicked(int alarm)
{
    const QString path = chooseWaveFile(waveFileLabel(alarm)->text());
    if (path.isEmpty())
        return;
    for (int option = 0; option < OptionFields; ++option)
        optionLabel(alarm, option)->setCaption(QStringLiteral("0"));
    waveFileLabel(alarm)->setText(path);
    takeSoundChoice(alarm);
}

void Hset::takeSoundChoice(int alarm)
{
    std::array<QString, 4> sound;
    for (int column = 0; column <= WaveColumn; ++column)
        sound[size_t(column)] = soundLabel(alarm, column)->text();
    const auto problem = book.chooseSound(alarm, sound);
    nameWaveFileCell(alarm);
    showRowState(alarm); // a row with no sound says so
    if (problem)
        reportStoreFailure({*problem});
}

QString Hset::chooseWaveFile(const QString &currentFile)
{
    const QFileInfo current(currentFile);
    QString folder = current.isAbsolute() ? current.absolutePath() : QString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return services.openFile ? services.openFile(this, WaveDialogTitle, WaveDialogFilter, folder) : QString();
}

void Hset::Command1_Click()
{
    const int column = std::clamp<int>(shared.lastClickedColumn, 0, 4);
    for (int alarm = 1; alarm <= 10; ++alarm) {
        if (dateBox(alarm, column)->text().isEmpty())
            dateBox(alarm, column)->setText(QStringLiteral("0"));
    }
    if (Text1->text().isEmpty())
        Text1->setText(QStringLiteral("0"));

    const QList<FileProblem> problems = book.save();
    if (!problems.isEmpty()) {
        // Closing now would throw away what the user typed; they can free space or fix the folder and save again.
        reportStoreFailure(problems);
        return;
    }
    if (services.saved)
        services.saved();
    saving = true;
    close();
}

void Hset::closeEvent(QCloseEvent *event)
{
    if (!saving)
        book.revert();
    QWidget::closeEvent(event);
}

void Hset::reportStoreFailure(const QList<FileProblem> &problems)
{
    if (services.warn)
        services.warn(this, QStringLiteral("Kalindor"), storeFailureText(problems, shared.CurrentLanguage));
}

bool Hset::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    // Typing at once replaces the first box's value, as when Tab brings the focus to a box.
    if (event->type() == QEvent::Show && focusWidget() == Text3[0])
        Text3[0]->selectAll();
    return QWidget::event(event);
}

Hset::~Hset()
{
    if (blinkTime > 0)
        QApplication::setCursorFlashTime(blinkTime);
}

void Hset::wakeCursor()
{
    if (blinkTime > 0 && QApplication::cursorFlashTime() != blinkTime)
        QApplication::setCursorFlashTime(blinkTime);
    cursorRest.start();
}

bool Hset::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusIn)
        wakeCursor();
    if (event->type() == QEvent::FocusIn) {
        // The row's state, told before Qt reports the focus here, so that it is read with the box.
        for (int alarm = 1; alarm <= 10; ++alarm) {
            for (int index = 0; index < 5; ++index) {
                QLineEdit *box = dateBox(alarm, index);
                if (watched == box && box->accessibleDescription() != spokenStates[size_t(alarm - 1)])
                    box->setAccessibleDescription(spokenStates[size_t(alarm - 1)]);
            }
        }
    }
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == Text1) {
            Text1_Click();
        } else {
            for (int alarm = 1; alarm <= 10; ++alarm) {
                for (int index = 0; index < 5; ++index) {
                    if (watched == dateBox(alarm, index))
                        dateBoxClicked(alarm, index);
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
