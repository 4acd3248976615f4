#include "Hset.h"

#include "AccessibleAs.h"
#include "FileProblemTexts.h"
#include "FocusButton.h"
#include "HsetLayout.h"
#include "Texts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPixmap>
#include <QPixmapCache>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStandardPaths>

#include <algorithm>

using namespace HsetLayout;

namespace {
const QColor Grey(192, 192, 192);
} // namespace

Hset::Hset(const HPMOD &shared, AlarmBook &book, qint16 &lastClickedColumn, HsetServices services, QWidget *parent)
    : QWidget(parent, Qt::Window), shared(shared), book(book), lastClickedColumn(lastClickedColumn),
      services(std::move(services))
{
    setAttribute(Qt::WA_DeleteOnClose);
    AccessibleAs::mark(this, AccessibleAs::Dialog);
    setWindowTitle(QStringLiteral("ALARM SET"));
    // Escape closes it as its close button does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(gridFont());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Grey);
    palette.setColor(QPalette::Button, Grey);
    setPalette(palette);
    setAutoFillBackground(true);

    Picture2 = makeLabel(this, HsetLayout::Picture2);
    Picture2->setAlignment(Qt::AlignCenter);
    AccessibleAs::mark(Picture2, AccessibleAs::Silent);
    if (const QPixmap icon(QStringLiteral(":/pictures/icon.png")); !icon.isNull())
        Picture2->setPixmap(icon.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    Command1 = new FocusButton(this);
    Command1->setGeometry(HsetLayout::Command1);
    QFont bold = gridFont();
    bold.setPointSize(12);
    bold.setBold(true);
    Command1->setFont(bold);
    connect(Command1, &QPushButton::clicked, this, &Hset::Command1_Click);
    Label1 = makeLabel(this, HsetLayout::Label1);
    Label1->setText(hsetExampleLine(Label1->fontMetrics(), Label1->x()));

    buildGrid();
    buildIntervalLine();
    buildSoundLine();
    announcement = new QLabel(this, Qt::Tool);
    AccessibleAs::mark(announcement, AccessibleAs::Notification);

    blinkTime = QApplication::cursorFlashTime();
    cursorRest.setSingleShot(true);
    cursorRest.setInterval(10000);
    cursorRest.callOnTimeout([] { QApplication::setCursorFlashTime(0); });
    wakeCursor();
    rows[0].boxes[0]->setFocus(); // not Save, which a stray Space would press
    Form_Load();
    followBook();
    // Captions are the activation's job; setting them now as well keeps a window that is never
    // activated (one shown where no window manager runs) from carrying blank headings.
    Form_Activate();
}

// The grid's controls keep their places in the window: their container only shifts them by its top.
void Hset::buildGrid()
{
    grid = new QWidget(this);
    AccessibleAs::mark(grid, AccessibleAs::Table);
    grid->setGeometry(0, GridTop, ClientWidth, GridBottom - GridTop);
    for (size_t i = 0; i < Label2.size(); ++i) {
        const int top = (i >= 2 && i <= 4) ? RaisedHeadingTop : HeadingTop;
        const int right = i + 1 < HeadingLefts.size() ? HeadingLefts[i + 1] - 2 : NameLeft - 2;
        Label2[i] = makeLabel(grid, inGrid({HeadingLefts[i], top}, {right - HeadingLefts[i], HeadingSize.height()}));
    }
    for (int alarm = 1; alarm <= 10; ++alarm) {
        HsetRow &row = this->row(alarm);
        row.build(grid, alarm, this);
        for (int index = 0; index < 5; ++index) {
            connect(row.boxes[size_t(index)], &QLineEdit::textChanged, this, [this, alarm, index](const QString &text) {
                this->book.setField(alarm, index, text);
                showRowState(alarm);
            });
        }
        for (int option = 0; option < HsetRow::Options; ++option)
            row.options[size_t(option)]->onClick = [this, alarm, option] { optionClicked(alarm, option); };
        row.waveFile->onClick = [this, alarm] { waveFileClicked(alarm); };
        connect(row.name, &QLineEdit::textChanged, this, [this, alarm](const QString &text) {
            this->book.setName(alarm, text);
            showRowState(alarm);
        });
    }
    nameHeading = makeLabel(grid, inGrid({NameLeft, HeadingTop}, {NameWidth, HeadingSize.height()}));
    stateHeading = makeLabel(grid, inGrid({StateLeft, HeadingTop}, {StateWidth, HeadingSize.height()}));
}

void Hset::buildIntervalLine()
{
    Label14 = makeLabel(this, HsetLayout::Label14);
    Text1 = new QLineEdit(this);
    Text1->setGeometry(HsetLayout::Text1);
    Text1->installEventFilter(this);
    connect(Text1, &QLineEdit::textChanged, &book, &AlarmBook::setInterval);
    Label15 = makeLabel(this, HsetLayout::Label15);
    // Both label the interval box, which says what they say; a screen reader then leaves them out of
    // what it reads when the window opens. So do the captions of the boxes that follow.
    Label14->setBuddy(Text1);
    Label15->setBuddy(Text1);
}

void Hset::followBook()
{
    connect(&book, &AlarmBook::rowChanged, this, &Hset::showRow);
    connect(&book, &AlarmBook::intervalChanged, this, [this] {
        if (Text1->text() != this->book.interval())
            Text1->setText(this->book.interval());
    });
    connect(&book, &AlarmBook::soundSettingsChanged, this, &Hset::showSoundSettings);
    connect(&book, &AlarmBook::nameChanged, this, [this](int alarm) {
        row(alarm).showName(this->book.typedName(alarm));
        showRowState(alarm);
    });
}

QLineEdit *Hset::dateBox(int alarm, int index) const
{
    return row(alarm).boxes[size_t(index)];
}

ClickableLabel *Hset::waveFileLabel(int alarm) const
{
    return row(alarm).waveFile;
}

ClickableLabel *Hset::optionLabel(int alarm, int option) const
{
    return row(alarm).options[size_t(option)];
}

void Hset::Form_Load()
{
    for (int alarm = 1; alarm <= 10; ++alarm)
        row(alarm).load(book.row(alarm), book.typedName(alarm));
    const QSignalBlocker quiet(Text1);
    Text1->setText(book.interval());
    showSoundSettings();
}

// A change the window did not make itself (the check gave alarm 1 its default file, the book was
// reverted), or a sound choice the book has taken.
void Hset::showRow(int alarm)
{
    row(alarm).show(book.row(alarm), shared.CurrentLanguage);
}

void Hset::Form_Activate()
{
    const HsetCaptions &captions = hsetCaptions(shared.CurrentLanguage);
    for (size_t i = 0; i < Label2.size(); ++i)
        setFittingText(Label2[i], captions.headings[i]);
    Command1->setText(captions.save);
    stateHeading->setText(captions.state);
    nameHeading->setText(captions.name);
    setFittingText(Label14, captions.intervalCaption);
    setFittingText(Label15, captions.intervalHint);
    setFittingText(quietCaption, captions.quietFrom);
    setFittingText(quietToCaption, captions.quietTo);
    quietUnit->setText(captions.quietUnit);
    setFittingText(levelCaption, captions.level);
    setFittingText(riseCaption, captions.rise);
    setFittingText(riseUnit, captions.riseUnit);
    setFittingText(snoozeCaption, captions.snooze);
    snoozeUnit->setText(captions.snoozeUnit);
    keepRinging->setText(captions.keepRinging);
    speakNames->setText(captions.speakNames);

    describeRows();
    refreshStates();
}

void Hset::describeRows()
{
    if (describedLanguage == shared.CurrentLanguage)
        return;
    describedLanguage = shared.CurrentLanguage;
    const HsetCaptions &captions = hsetCaptions(shared.CurrentLanguage);
    const HsetDescriptions &texts = hsetDescriptions(shared.CurrentLanguage);
    Command1->setAccessibleDescription(texts.save);
    Text1->setAccessibleName(captions.intervalCaption.section(u':', 0, 0).trimmed());
    Text1->setAccessibleDescription(captions.intervalHint.simplified());
    quietFrom->setAccessibleName(texts.quietFrom);
    quietTo->setAccessibleName(texts.quietTo);
    level->setAccessibleName(texts.level);
    rise->setAccessibleName(texts.rise);
    snooze->setAccessibleName(texts.snooze);
    keepRinging->setAccessibleDescription(texts.keepRingingHint);
    keepRinging->setToolTip(texts.keepRingingHint);
    speakNames->setAccessibleDescription(texts.speakNamesHint);
    speakNames->setToolTip(texts.speakNamesHint);
    showSoundProblems();
    grid->setAccessibleName(texts.grid);
    Label1->setAccessibleName(hsetSpokenExample(shared.CurrentLanguage));
    for (HsetRow &row : rows)
        row.describe(shared.CurrentLanguage);
}

void Hset::refreshStates()
{
    for (int alarm = 1; alarm <= 10; ++alarm)
        showRowState(alarm);
}

void Hset::showRowState(int alarm)
{
    HsetRow &row = this->row(alarm);
    if (!row.state)
        return; // still being built
    RowState state = services.rowState ? services.rowState(alarm, row.typed()) : RowState();
    // A name that is not kept outweighs the next ring: what the user typed last is what went wrong.
    if (const QString problem = nameProblem(book.typedName(alarm), shared.CurrentLanguage); !problem.isEmpty()) {
        state.spoken = state.spoken.isEmpty() ? problem : problem + QStringLiteral(". ") + state.spoken;
        state.text = problem;
        state.fine = false;
    }
    row.showState(state, shared.CurrentLanguage, isVisible(), announcement);
}

void Hset::Text1_Click()
{
    Text1->clear();
}

void Hset::dateBoxClicked(int alarm, int index)
{
    dateBox(alarm, index)->clear();
    lastClickedColumn = qint16(index);
}

void Hset::optionClicked(int alarm, int option)
{
    std::array<QString, 4> sound;
    for (int other = 0; other < HsetRow::Options; ++other)
        sound[size_t(other)] = other == option ? QStringLiteral("1") : QStringLiteral("0");
    sound[HsetRow::Options] = NoWaveFile;
    takeSoundChoice(alarm, sound);
}

// A cancel changes nothing: taking a Windows path that never exists here for the answer would put the
// default alert sound in place of the user's own choice.
void Hset::waveFileClicked(int alarm)
{
    const QString path = chooseWaveFile(book.row(alarm).waveFile);
    if (!path.isEmpty())
        takeSoundChoice(alarm, {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), path});
}

// The book tells the row what it now holds.
void Hset::takeSoundChoice(int alarm, const std::array<QString, 4> &sound)
{
    const auto problem = book.chooseSound(alarm, sound);
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
    if (saveBook())
        close();
}

bool Hset::saveBook()
{
    const int column = std::clamp<int>(lastClickedColumn, 0, 4);
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
        return false;
    }
    if (services.saved)
        services.saved();
    saving = true;
    return true;
}

void Hset::closeEvent(QCloseEvent *event)
{
    if (!saving && book.changed() && services.askToSave) {
        const QMessageBox::StandardButton answer = services.askToSave(
            this, Texts(shared.CurrentLanguage).translate("Hset", "Save the changes to the alarms before closing?"));
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !saveBook())) {
            event->ignore();
            return;
        }
    }
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
    if (event->type() == QEvent::Show && focusWidget() == rows[0].boxes[0])
        rows[0].boxes[0]->selectAll();
    return QWidget::event(event);
}

// The style keeps the pictures of this window's controls under keys made from its palettes, which the
// next ALARM SET will not share: they would pile up, unused, at each opening.
Hset::~Hset()
{
    if (blinkTime > 0)
        QApplication::setCursorFlashTime(blinkTime);
    QPixmapCache::clear();
}

void Hset::wakeCursor()
{
    if (blinkTime > 0 && QApplication::cursorFlashTime() != blinkTime)
        QApplication::setCursorFlashTime(blinkTime);
    cursorRest.start();
}

bool Hset::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::FocusIn)
        wakeCursor();
    const bool leftPress = type == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    if (leftPress && watched == Text1)
        Text1_Click();
    if (type != QEvent::FocusIn && !leftPress)
        return QWidget::eventFilter(watched, event);
    for (HsetRow &row : rows) {
        if (watched == row.name && type == QEvent::FocusIn)
            row.describeFocused(row.name);
        const int index = row.boxIndex(watched);
        if (index < 0)
            continue;
        if (type == QEvent::FocusIn) // the row's state, told before Qt reports the focus here, so it is read with the box
            row.describeFocused(row.boxes[size_t(index)]);
        else
            dateBoxClicked(row.alarm, index);
        break;
    }
    return QWidget::eventFilter(watched, event);
}
