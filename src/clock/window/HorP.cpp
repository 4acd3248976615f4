#include "HorP.h"

#include "AccessibleAs.h"
#include "AlarmScheduler.h"
#include "AnnouncementSchedule.h"
#include "CalendarText.h"
#include "ClockFace.h"
#include "ClockTexts.h"
#include "SpokenTexts.h"
#include "TallButton.h"
#include "TextNumber.h"
#include "WindowAccessibility.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPixmapCache>
#include <QShortcut>

#include <utility>

HorP::HorP(HPMOD &shared, AlarmBook &book, const Clock &clock, Speaker &speaker, HorPServices services, QWidget *parent)
    : QWidget(parent), shared(shared), book(book), clock(clock), speaker(speaker), services(std::move(services)),
      announcements(shared, speaker, clock), ringer(book, shared, clock, speaker)
{
    installWindowAccessibility(); // before anything asks how this window looks to a screen reader
    AccessibleAs::mark(this, AccessibleAs::Window);
    setFixedSize(359, 95);
    paintClockWindow(this);

    clockStop = new ClockStop(this); // first, so that it lies beneath the boxes it rings
    clockStop->setGeometry(3, 2, 331, 39);
    clockStop->spoken = [this] { return spokenTime(this->clock.now().time(), this->shared.CurrentLanguage); };
    clockStop->onPress = [this] { flagPressed(Language(std::clamp<int>(this->shared.CurrentLanguage, French, English))); };
    Label1 = clockBox<NotifyingLabel>(this, {5, 4, 107, 34}, QStringLiteral("HH:mm"));
    Label4 = clockBox<QLabel>(this, {117, 4, 48, 35}, QStringLiteral("ss"));
    Label2 = clockBox<NotifyingLabel>(this, {169, 4, 163, 35}, QStringLiteral("hh:mm AP"));
    // Left out of the tree, so that a new second sends screen readers nothing: the clock stop reads
    // the time they hold.
    for (QLabel *box : {static_cast<QLabel *>(Label1), Label4, static_cast<QLabel *>(Label2)})
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

    const std::pair<QPushButton *, void (HorP::*)()> clicks[] = {
        {Command1, &HorP::Command1_Click}, {Command2, &HorP::Command2_Click}, {Command3, &HorP::Command3_Click},
        {Command4, &HorP::Command4_Click}, {Command5, &HorP::Command5_Click}, {Command6, &HorP::Command6_Click},
        {Command7, &HorP::Command7_Click}};
    for (const auto &[button, handler] : clicks)
        connect(button, &QPushButton::clicked, this, handler);
    Label3->onClick = [this] { Label3_Click(); };
    Label1->onChange = [this] { Label1_Change(); };
    Label2->onChange = [this] { Label2_Change(); };

    // The keyboard: a Space right after start speaks the time instead of ending the program, and the
    // focus goes left to right and top to bottom with the exit button last. The clock display comes
    // first, as it stands top left; the start stays on the French flag, one Shift+Tab after it.
    chainTabOrder({clockStop, Command1, Command2, Command3, Command5, Command6, Command4, Label3, Command7});
    Command1->setFocus();
    auto *quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this, this, &HorP::Command7_Click);
    quit->setContext(Qt::ApplicationShortcut);

    languageChosen();

    // A timer whose slot was blocked by a long sound fires once when the thread is free again,
    // never once per missed period, so the display simply jumps to the time of that moment.
    Timer1.setTimerType(Qt::PreciseTimer); // a coarse timer may fire up to 5 % late: the second would show late
    Timer1.setSingleShot(true);
    Timer3.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &HorP::tick);
    connect(&Timer3, &QTimer::timeout, this, &HorP::alarmTick);
    speaker.whenSounding([self = QPointer<HorP>(this)](bool sounding) {
        if (self && !(self->soundPlays = sounding))
            self->soundsEnded();
    });
    ringer.askOutput = this->services.askOutput;
    notices = new AlarmNotices(ringer, shared, this->services.notify, this->services.complain, this->services.inform, this);
    connect(&ringer, &AlarmRinger::alarmStarted, this, [this] { QApplication::alert(this); });
    connect(&ringer, &AlarmRinger::nextAlarm, this, &HorP::showNextAlarm);
    this->services.settings.rowState = [this](int alarm, const AlarmBoxes &boxes) { return ringer.rowState(alarm, boxes); };
    this->services.settings.saved = [this] { notices->saved(); };
    new SecondsTrace(Image2, Image3, [this] { return this->clock.now().toMSecsSinceEpoch(); });
    Form_Load();
}

void HorP::Form_Load()
{
    aimTimer1();
}

void HorP::aimTimer1()
{
    Timer1.start(msUntilNextSecond(clock.now().time()));
}

// The seconds first, so they are drawn on time even when the minute's announcement follows.
void HorP::tick()
{
    if (soundPlays) {
        ringer.cutLateRepetition(clockText(clock.now().time()));
        keepTimeShown();
    } else {
        Timer2_Timer();
        Timer1_Timer();
        Timer3_Timer();
    }
    aimTimer1();
}

// A ringing alarm sounds again when its sound has ended, not into it.
void HorP::alarmTick()
{
    if (!soundPlays) {
        Timer3_Timer();
        return;
    }
    Timer3.stop();
}

// Whatever fell due during the sound, once: a minute that turned meanwhile is announced now, a ringing
// alarm rings again. Harmless after a sound too short for any of it to fall due.
void HorP::soundsEnded()
{
    Timer2_Timer();
    Timer1_Timer();
    Timer3_Timer();
}

bool HorP::event(QEvent *event)
{
    // Also on the first show: without a window manager the window is never activated, and the
    // title and button pictures must not depend on one.
    if (event->type() == QEvent::WindowActivate || (event->type() == QEvent::Show && windowTitle().isEmpty()))
        Form_Activate();
    return QWidget::event(event);
}

void HorP::Form_Activate()
{
    setWindowTitle(QStringLiteral("KALINDOR"));
    shared.AmPmMarker = amPmMarkerOf(clock.now().time().hour());
    Command4->setIcon(QIcon(QStringLiteral(":/pictures/stop.png")));
    Command3->setIcon(QIcon(QStringLiteral(":/pictures/flag_gb.png")));
    Command2->setIcon(QIcon(QStringLiteral(":/pictures/flag_de.png")));
    Command1->setIcon(QIcon(QStringLiteral(":/pictures/flag_fr.png")));
}

void HorP::closeEvent(QCloseEvent *event)
{
    event->accept();
    Command7_Click();
}

void HorP::Command7_Click()
{
    // Alarms ring only while the window runs: closing it names those it silences.
    if (!std::exchange(ending, true) && services.sayBeforeEnd) {
        if (const QString words = ringer.closingWords(); !words.isEmpty())
            services.sayBeforeEnd(words);
    }
    if (services.endProgram)
        services.endProgram();
}

void HorP::Timer1_Timer()
{
    const QDateTime now = clock.now();
    Label1->setCaption(clockText(now.time())); // may speak the time before going on
    Label3->follow(now.date(), shared.CurrentLanguage);
    const int h = clockHour(Label1->text());
    shared.MinuteCell = qint16(clockMinutes(Label1->text()));
    draw24(Image2, Label1->text());
    shared.AmPmMarker = amPmMarkerOf(h);
    Label2->setCaption(twelveHourText(twelveHourOf(h), Label1->text(), shared.AmPmMarker));
    draw12(Image4, Label2->text(), shared.AmPmMarker);
}

void HorP::Timer2_Timer()
{
    const int s = clock.now().time().second();
    Label4->setText(QStringLiteral("%1").arg(s, 2, 10, QLatin1Char('0')));
    drawSeconds(Image3, Label4->text());
}

void HorP::keepTimeShown()
{
    const QTime now = clock.now().time();
    if (Label4->text() == QStringLiteral("%1").arg(now.second(), 2, 10, QLatin1Char('0')))
        return;
    Timer2_Timer();
    const QString text24 = clockText(now);
    draw24(Image2, text24);
    const int h = now.hour();
    draw12(Image4, twelveHourText(twelveHourOf(h), text24, amPmMarkerOf(h)), amPmMarkerOf(h));
}

void HorP::calendrier()
{
    Label3->write(clock.now().date(), shared.CurrentLanguage);
}

// The rest of what follows the language: what screen readers say of each control, Qt's own texts.
// Told only when the language has changed: a periodic announcement presses a flag too.
void HorP::languageChosen()
{
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
    Label3->name(clock.now().date(), shared.CurrentLanguage);
    if (Command6->toolTip().isEmpty()) // until the first alarm check names the next alarm
        Command6->setAccessibleDescription(spokenControl(MainControl::AlarmSet, shared.CurrentLanguage).description);
}

void HorP::Command1_Click()
{
    flagPressed(French);
}

void HorP::Command2_Click()
{
    flagPressed(German);
}

void HorP::Command3_Click()
{
    flagPressed(English);
}

// French and German read the clock afresh; English speaks the display as the last tick left it.
void HorP::flagPressed(Language language)
{
    Command7->setText(exitCaption(language));
    shared.CurrentLanguage = language;
    languageChosen();
    calendrier();
    if (language != English)
        Label1->setCaption(clockText(clock.now().time()));
    const std::array speak{&Announcements::speakTimeFr, &Announcements::speakTimeDe, &Announcements::speakTimeEn};
    (announcements.*speak[size_t(language)])(Label1->text());
}

void HorP::Label3_Click()
{
    announcements.speakDate();
}

void HorP::Label1_Change()
{
    if (shared.CurrentLanguage == French || shared.CurrentLanguage == German)
        announceIfDue(QStringView(Label1->text()).right(2));
}

void HorP::Label2_Change()
{
    if (shared.CurrentLanguage == English)
        announceIfDue(QStringView(Label2->text()).mid(3, 2));
}

// The interval and the quiet hours are the book's as typed: an edit in ALARM SET counts from the next
// minute, saved or not. The hour is the 24-hour clock text's, which the tick has just written in every language.
void HorP::announceIfDue(QStringView minutes)
{
    if (announcementDue(leadingNumber(book.interval()), minutes) && !book.quietHours().covers(clockHour(Label1->text())))
        flagPressed(shared.CurrentLanguage);
}

// The sound is cut at once; the alarm rings on at the following checks, behind the box too.
void HorP::Command4_Click()
{
    speaker.cutSound();
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
        settings = new Hset(shared, book, services.settings, this);
        connect(&ringer, &AlarmRinger::nextAlarm, settings, &Hset::refreshStates); // the states follow the minute
        // The style keeps the pictures of the window's buttons under keys made from its palettes, which
        // the next window made will not share: they would pile up, unused, at each opening.
        connect(settings, &QObject::destroyed, this, [] { QPixmapCache::clear(); });
    }
    bringUp(settings);
}

void HorP::Timer3_Timer()
{
    // Serve the clock tick first when the minute has turned (after a busy spell or a resume from
    // suspend), so the clock and the alarms speak of the same minute.
    QDateTime now = clock.now();
    if (Label1->text() != clockText(now.time())) {
        Timer1_Timer();
        now = clock.now();
    }
    if (!ringer.check(now, Label1->text()))
        Timer3.stop();
    else if (!Timer3.isActive())
        Timer3.start();
}

// The alarm-set button says when the next of the ten alarms rings.
void HorP::showNextAlarm(const QString &text)
{
    if (Command6->toolTip() != text) { // an unchanged text would still be sent to screen readers
        Command6->setToolTip(text);
        Command6->setAccessibleDescription(text);
    }
}

