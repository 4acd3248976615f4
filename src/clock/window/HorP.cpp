#include "HorP.h"

#include "AccessibleAs.h"
#include "AlarmScheduler.h"
#include "AlarmTexts.h"
#include "CalendarText.h"
#include "ClockFace.h"
#include "ClockTexts.h"
#include "SpokenTexts.h"
#include "TallButton.h"
#include "WindowAccessibility.h"

#include <QApplication>
#include <QCloseEvent>
#include <QShortcut>

#include <utility>

HorP::HorP(ClockEngine &engine, AlarmBook &book, HorPServices services, QWidget *parent)
    : QWidget(parent), engine(engine), shared(engine.shared()), book(book), services(std::move(services))
{
    installWindowAccessibility(); // before anything asks how this window looks to a screen reader
    AccessibleAs::mark(this, AccessibleAs::Window);
    setFixedSize(359, 95);
    paintClockWindow(this);
    placeControls();

    const std::pair<QPushButton *, void (HorP::*)()> clicks[] = {
        {Command1, &HorP::Command1_Click}, {Command2, &HorP::Command2_Click}, {Command3, &HorP::Command3_Click},
        {Command4, &HorP::Command4_Click}, {Command5, &HorP::Command5_Click}, {Command6, &HorP::Command6_Click},
        {Command7, &HorP::Command7_Click}};
    for (const auto &[button, handler] : clicks)
        connect(button, &QPushButton::clicked, this, handler);
    Label3->onClick = [this] { Label3_Click(); };
    clockStop->spoken = [this] { return spokenTime(this->engine.clock().now().time(), shared.CurrentLanguage); };
    clockStop->onPress = [this] { this->engine.speakTime(Language(std::clamp<int>(shared.CurrentLanguage, French, English))); };

    // The keyboard: a Space right after start speaks the time instead of ending the program, and the
    // focus goes left to right and top to bottom with the exit button last. The clock display comes
    // first, as it stands top left; the start stays on the French flag, one Shift+Tab after it.
    chainTabOrder({clockStop, Command1, Command2, Command3, Command5, Command6, Command4, Label3, Command7});
    Command1->setFocus();
    auto *quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this, this, &HorP::Command7_Click);
    quit->setContext(Qt::ApplicationShortcut);

    tray = new ClockTray({[this] { clockStop->onPress(); }, [this] { showAgain(); }, [this] { Command7_Click(); }}, this);
    connect(&book, &AlarmBook::soundSettingsChanged, this, &HorP::followSoundSettings);
    connectEngine();
    languageChosen();
    followSoundSettings();
    engine.setSecondsWatched(false); // until the window is first shown, which a start in the tray skips
    new SecondsTrace(Image2, Image3, [this] { return this->engine.clock().now().toMSecsSinceEpoch(); });
    Form_Load();
}

void HorP::placeControls()
{
    clockStop = new ClockStop(this); // first, so that it lies beneath the boxes it rings
    clockStop->setGeometry(3, 2, 331, 39);
    Label1 = clockBox<QLabel>(this, {5, 4, 107, 34}, QStringLiteral("HH:mm"));
    Label4 = clockBox<QLabel>(this, {117, 4, 48, 35}, QStringLiteral("ss"));
    Label2 = clockBox<QLabel>(this, {169, 4, 163, 35}, QStringLiteral("hh:mm AP"));
    // Left out of the tree, so that a new second sends screen readers nothing: the clock stop reads
    // the time they hold.
    for (QLabel *box : {Label1, Label4, Label2})
        AccessibleAs::mark(box, AccessibleAs::Silent);
    placeGlyphRow(Image2, glyphs, this, {11, 30, 49, 68, 86});
    placeGlyphRow(Image3, glyphs, this, {122, 141});
    placeGlyphRow(Image4, glyphs, this, {175, 194, 213, 232, 251, 270, 288, 306});
    Image2[2]->putGlyph(Glyph::Colon);
    Image4[2]->putGlyph(Glyph::Colon);
    Image4[5]->putGlyph(Glyph::Blank);

    Command7 = new TallButton(QStringLiteral("FIN"), this);
    Command7->setGeometry(338, 4, 18, 88);
    Command7->setFont(boldFont(12));
    Command1 = pictureButton(this, {4, 41, 41, 25}, ListenTip);
    Command2 = pictureButton(this, {57, 41, 41, 25}, ListenTip);
    Command3 = pictureButton(this, {111, 41, 41, 25}, ListenTip);
    Command5 = textButton(this, QStringLiteral("?"), {164, 41, 25, 25});
    Command5->setToolTip(QStringLiteral("Infos sur le SHAREWARE"));
    Command6 = textButton(this, QStringLiteral("Alarm-set"), {202, 41, 89, 26});
    Command6->setFont(boldFont(9.75));
    Command4 = pictureButton(this, {296, 43, 39, 47}, QStringLiteral("Cliquez plusieurs x pour stopper l`alarme"));
    Label3 = new DateLine(this);
}

void HorP::connectEngine()
{
    connect(&engine, &ClockEngine::clockTextChanged, this, &HorP::Label1_Change);
    connect(&engine, &ClockEngine::twelveHourTextChanged, this, &HorP::Label2_Change);
    connect(&engine, &ClockEngine::secondsChanged, this, &HorP::Timer2_Timer);
    connect(&engine, &ClockEngine::ticked, this, &HorP::Timer1_Timer);
    connect(&engine, &ClockEngine::dateLineWritten, this, &HorP::calendrier);
    connect(&engine, &ClockEngine::languageChosen, this, &HorP::languageChosen);
    AlarmRinger &ringer = engine.ringer();
    connect(&ringer, &AlarmRinger::alarmStarted, this, [this] { QApplication::alert(this); });
    connect(&ringer, &AlarmRinger::nextAlarm, this, &HorP::showNextAlarm);
    services.settings.rowState = [&ringer](int alarm, const AlarmBoxes &boxes) { return ringer.rowState(alarm, boxes); };
    services.settings.saved = [this] { engine.notices().saved(); };
    // The box that stands for an unseen notification needs a window over which to stand.
    engine.notices().inform = [self = QPointer<HorP>(this)](const QString &title, const QString &text) {
        if (self && self->services.inform)
            self->services.inform(self, title, text);
    };
    engine.notices().showWindow = [self = QPointer<HorP>(this)] {
        if (self)
            self->showAgain();
    };
}

// What the engine shows already, at once: a window made while the clock runs is not blank for a second.
void HorP::Form_Load()
{
    Label1_Change();
    Label2_Change();
    Timer2_Timer();
    Timer1_Timer();
    if (!engine.shown().dateLine.isEmpty())
        calendrier();
}

bool HorP::event(QEvent *event)
{
    // Also on the first show: without a window manager the window is never activated, and the
    // title and button pictures must not depend on one.
    if (event->type() == QEvent::WindowActivate || (event->type() == QEvent::Show && windowTitle().isEmpty()))
        Form_Activate();
    // Hidden in the tray or unmapped, no one sees the seconds: the engine need not wake for each.
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
        engine.setSecondsWatched(event->type() == QEvent::Show);
    return QWidget::event(event);
}

void HorP::Form_Activate()
{
    setWindowTitle(QStringLiteral("KALINDOR"));
    engine.windowActivated();
    Command4->setIcon(QIcon(QStringLiteral(":/pictures/stop.png")));
    Command3->setIcon(QIcon(QStringLiteral(":/pictures/flag_gb.png")));
    Command2->setIcon(QIcon(QStringLiteral(":/pictures/flag_de.png")));
    Command1->setIcon(QIcon(QStringLiteral(":/pictures/flag_fr.png")));
}

void HorP::closeEvent(QCloseEvent *event)
{
    event->accept(); // the window goes either way
    // With alarms that ring on, closing only hides the window: the engine goes on behind it.
    if (!ending && keepsRinging(book.soundSettings())) {
        if (!std::exchange(toldHidden, true))
            engine.notices().windowHidden(inTray());
        return;
    }
    Command7_Click();
}

bool HorP::inTray() const
{
    return tray->isSeen();
}

void HorP::followSoundSettings()
{
    tray->setUp(keepsRinging(book.soundSettings()));
}

void HorP::showAgain()
{
    showNormal();
    raise();
    activateWindow();
}

void HorP::Command7_Click()
{
    // Alarms ring only while the window runs: closing it names those it silences.
    if (!std::exchange(ending, true) && services.sayBeforeEnd) {
        if (const QString words = engine.ringer().closingWords(); !words.isEmpty())
            services.sayBeforeEnd(closingTitle(engine.shared().CurrentLanguage), words);
    }
    if (services.endProgram)
        services.endProgram();
}

void HorP::Label1_Change()
{
    Label1->setText(engine.shown().Label1);
}

void HorP::Label2_Change()
{
    Label2->setText(engine.shown().Label2);
}

void HorP::Timer1_Timer()
{
    const ShownTime &shown = engine.shown();
    if (!shown.row24.isEmpty()) {
        draw24(Image2, shown.row24);
        draw12(Image4, shown.row12);
    }
    if (shown.today.isValid())
        Label3->name(shown.today, shared.CurrentLanguage);
}

void HorP::Timer2_Timer()
{
    if (!engine.shown().Label4.isEmpty()) {
        Label4->setText(engine.shown().Label4);
        drawSeconds(Image3, Label4->text());
    }
}

void HorP::calendrier()
{
    Label3->write(engine.shown().dateLine);
}

// The rest of what follows the language: the exit button's caption, what screen readers say of each
// control, Qt's own texts. Told only when the language has changed: a periodic announcement presses a flag too.
void HorP::languageChosen()
{
    Command7->setText(exitCaption(shared.CurrentLanguage));
    tray->follow(shared.CurrentLanguage, nextAlarmText);
    if (services.followLanguage)
        services.followLanguage(shared.CurrentLanguage);
    if (describedLanguage == shared.CurrentLanguage)
        return;
    describedLanguage = shared.CurrentLanguage;
    const std::pair<QWidget *, MainControl> controls[] = {
        {Command1, MainControl::French}, {Command2, MainControl::German}, {Command3, MainControl::English},
        {Command4, MainControl::Stop},   {Command5, MainControl::About},  {Command7, MainControl::Exit},
        {clockStop, MainControl::Clock}, {Label3, MainControl::Date},
    };
    for (const auto &[control, which] : controls) {
        const SpokenControl texts = spokenControl(which, shared.CurrentLanguage);
        if (!texts.name.isEmpty())
            control->setAccessibleName(texts.name);
        control->setAccessibleDescription(texts.description);
    }
    Label3->name(engine.clock().now().date(), shared.CurrentLanguage);
    if (Command6->toolTip().isEmpty()) // until the first alarm check names the next alarm
        Command6->setAccessibleDescription(spokenControl(MainControl::AlarmSet, shared.CurrentLanguage).description);
}

void HorP::Command1_Click()
{
    engine.speakTime(French);
}

void HorP::Command2_Click()
{
    engine.speakTime(German);
}

void HorP::Command3_Click()
{
    engine.speakTime(English);
}

void HorP::Label3_Click()
{
    engine.speakDate();
}

// The sound is cut at once; the alarm rings on at the following checks, behind the box too.
void HorP::Command4_Click()
{
    engine.cutSound();
    if (services.showStopMessage)
        services.showStopMessage(this, stopMessage(shared.CurrentLanguage));
}

void HorP::Command5_Click()
{
    if (aboutBox.isNull()) {
        aboutBox = new info(services.about, this);
        placeOver(aboutBox, this); // where the user is looking, rather than wherever the window manager puts it
    }
    aboutBox->cmdOK->setAccessibleDescription(spokenControl(MainControl::AboutClose, shared.CurrentLanguage).description);
    aboutBox->cmdSysInfo->setAccessibleDescription(
        spokenControl(MainControl::AboutSystemInfo, shared.CurrentLanguage).description);
    bringUp(aboutBox);
}

// ALARM SET is made when it is opened, from the book; closed, it is gone.
void HorP::Command6_Click()
{
    if (settings.isNull()) {
        settings = new Hset(shared, book, lastClickedColumn, services.settings, this);
        connect(&engine.ringer(), &AlarmRinger::nextAlarm, settings, &Hset::refreshStates); // the states follow the minute
    }
    bringUp(settings);
}

// The alarm-set button says when the next of the ten alarms rings.
void HorP::showNextAlarm(const QString &text)
{
    nextAlarmText = text;
    tray->follow(shared.CurrentLanguage, text);
    if (Command6->toolTip() != text) { // an unchanged text would still be sent to screen readers
        Command6->setToolTip(text);
        Command6->setAccessibleDescription(text);
    }
}
