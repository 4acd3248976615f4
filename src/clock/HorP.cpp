#include "HorP.h"

#include "AccessibleAs.h"
#include "AlarmScheduler.h"
#include "AlarmTexts.h"
#include "AnnouncementSchedule.h"
#include "CalendarText.h"
#include "ClockTexts.h"
#include "QtTranslations.h"
#include "SpokenTexts.h"
#include "TallButton.h"
#include "TextNumber.h"
#include "WindowAccessibility.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLoggingCategory>
#include <QFileDialog>
#include <QMessageBox>
#include <QShortcut>
#include <QTextStream>

#include <cstdio>
#include <memory>
#include <utility>

Q_LOGGING_CATEGORY(secondsDrawn, "kalindor.seconds", QtWarningMsg)

namespace {
const QColor Grey(192, 192, 192);
const QString ListenTip = QStringLiteral("Cliquez pour entendre");

// A light grey box that carries a clock text behind its glyph slots; the text itself stays invisible,
// so a new second repaints the frame without laying the text out.
template <typename Label>
class ClockBox final : public Label
{
public:
    using Label::Label;

protected:
    void paintEvent(QPaintEvent *event) override { QFrame::paintEvent(event); }
};

template <typename Label>
Label *clockBox(QWidget *parent, QRect geometry)
{
    auto *label = new ClockBox<Label>(parent);
    label->setGeometry(geometry);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Grey);
    label->setPalette(palette);
    return label;
}


QFont boldFont(double points)
{
    QFont font;
    font.setBold(true);
    font.setPointSizeF(points);
    return font;
}
} // namespace

HorPServices desktopServices(const QString &configDir)
{
    HorPServices services;
    services.endProgram = [] { QCoreApplication::exit(0); };
    services.showStopMessage = [](QWidget *parent, const QString &text) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kalindor"), text, QMessageBox::Ok, parent);
        box.exec();
    };
    services.settings.configDir = configDir;
    services.settings.openFile = [](QWidget *parent, const QString &title, const QString &filter, const QString &folder) {
        return QFileDialog::getOpenFileName(parent, title, folder, filter, nullptr, QFileDialog::HideNameFilterDetails);
    };
    services.settings.warn = [](QWidget *parent, const QString &title, const QString &text) {
        auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
    };
    services.inform = [](QWidget *parent, const QString &title, const QString &text) {
        auto *box = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
    };
    services.complain = [](const QString &text) { QTextStream(stderr) << "kalindor: " << text << Qt::endl; };
    services.about = systemInfoServices();
    auto translations = std::make_shared<QtTranslations>();
    services.followLanguage = [translations](Language language) { translations->follow(language); };
    return services;
}

HorP::HorP(HPMOD &shared, const Clock &clock, Speaker &speaker, HorPServices services, QWidget *parent)
    : QWidget(parent), shared(shared), clock(clock), speaker(speaker), services(std::move(services)),
      announcements(shared, speaker, clock)
{
    installWindowAccessibility(); // before anything asks how this window looks to a screen reader
    AccessibleAs::mark(this, AccessibleAs::Window);
    setFixedSize(359, 95);
    QIcon icon(QStringLiteral(":/pictures/icon.png"));
    icon.addFile(QStringLiteral(":/pictures/icon_32.png"));
    setWindowIcon(icon);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Grey);
    palette.setColor(QPalette::Button, Grey);
    setPalette(palette);
    setAutoFillBackground(true);

    clockStop = new ClockStop(this); // first, so that it lies beneath the boxes it rings
    clockStop->setGeometry(3, 2, 331, 39);
    clockStop->spoken = [this] { return spokenTime(this->clock.now().time(), this->shared.CurrentLanguage); };
    clockStop->onPress = [this] {
        const std::array<void (HorP::*)(), 3> flags{&HorP::Command1_Click, &HorP::Command2_Click, &HorP::Command3_Click};
        (this->*flags[size_t(std::clamp<int>(this->shared.CurrentLanguage, French, English))])();
    };
    Label1 = clockBox<NotifyingLabel>(this, {5, 4, 107, 34});
    Label4 = clockBox<QLabel>(this, {117, 4, 48, 35});
    Label2 = clockBox<NotifyingLabel>(this, {169, 4, 163, 35});
    for (QLabel *box : {static_cast<QLabel *>(Label1), Label4, static_cast<QLabel *>(Label2)})
        AccessibleAs::mark(box, AccessibleAs::Silent); // the clock stop reads the time they hold
    const int lefts2[] = {11, 30, 49, 68, 86};
    for (size_t i = 0; i < Image2.size(); ++i) {
        Image2[i] = new GlyphSlot(glyphs, this);
        Image2[i]->move(lefts2[i], 9);
    }
    const int lefts3[] = {122, 141};
    for (size_t i = 0; i < Image3.size(); ++i) {
        Image3[i] = new GlyphSlot(glyphs, this);
        Image3[i]->move(lefts3[i], 9);
    }
    const int lefts4[] = {175, 194, 213, 232, 251, 270, 288, 306};
    for (size_t i = 0; i < Image4.size(); ++i) {
        Image4[i] = new GlyphSlot(glyphs, this);
        Image4[i]->move(lefts4[i], 9);
    }
    Image2[2]->putGlyph(Glyph::Colon);
    Image4[2]->putGlyph(Glyph::Colon);
    Image4[5]->putGlyph(Glyph::Blank);

    Command7 = new TallButton(QStringLiteral("FIN"), this);
    Command7->setGeometry(338, 4, 18, 88);
    Command7->setFont(boldFont(12));
    Command1 = pictureButton(QString(), {4, 41, 41, 25});
    Command2 = pictureButton(QString(), {57, 41, 41, 25});
    Command3 = pictureButton(QString(), {111, 41, 41, 25});
    for (QPushButton *flag : {Command1, Command2, Command3})
        flag->setToolTip(ListenTip);
    Command5 = new FocusButton(QStringLiteral("?"), this);
    Command5->setGeometry(164, 41, 25, 25);
    Command5->setToolTip(QStringLiteral("Infos sur le SHAREWARE"));
    Command6 = new FocusButton(QStringLiteral("Alarm-set"), this);
    Command6->setGeometry(202, 41, 89, 26);
    Command6->setFont(boldFont(9.75));
    Command4 = pictureButton(QString(), {296, 43, 39, 47});
    Command4->setToolTip(QStringLiteral("Cliquez plusieurs x pour stopper l`alarme"));
    Label3 = new ClickableLabel(this);
    Label3->setGeometry(4, 72, 286, 17);
    Label3->setFont(boldFont(8.25));
    Label3->setToolTip(ListenTip);

    connect(Command1, &QPushButton::clicked, this, &HorP::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &HorP::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &HorP::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &HorP::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &HorP::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &HorP::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &HorP::Command7_Click);
    Label3->onClick = [this] { Label3_Click(); };
    Label1->onChange = [this] { Label1_Change(); };
    Label2->onChange = [this] { Label2_Change(); };

    // The keyboard: a Space right after start speaks the time instead of ending the program, and the
    // focus goes left to right and top to bottom with the exit button last. The clock display comes
    // first, as it stands top left; the start stays on the French flag, one Shift+Tab after it.
    const QWidgetList tabOrder{clockStop, Command1, Command2, Command3, Command5, Command6, Command4, Label3, Command7};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    Command1->setFocus();
    auto *quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this, this, &HorP::Command7_Click);
    quit->setContext(Qt::ApplicationShortcut);

    // Named once and left out of the tree, so that a new second sends screen readers nothing: the clock
    // stop reads what they hold.
    Label1->setAccessibleName(QStringLiteral("HH:mm"));
    Label2->setAccessibleName(QStringLiteral("hh:mm AP"));
    Label4->setAccessibleName(QStringLiteral("ss"));
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
    this->services.settings.rowState = [this](int alarm, const AlarmBoxes &boxes) {
        const QDateTime now = this->clock.now();
        const Zone zone(now);
        const qint64 ms = now.toMSecsSinceEpoch();
        const AlarmState state = alarmState(boxes, ms, zone, playsNothing(this->shared.AlarmTable[size_t(alarm - 1)]));
        const Language language = this->shared.CurrentLanguage;
        return RowState{stateText(state, ms, zone, language), state.kind == AlarmState::Rings || state.kind == AlarmState::Off,
                        rowSentence(alarm, state, ms, zone, language)};
    };
    this->services.settings.saved = [this] { alarmsSaved(); };
    // For the idle benchmark and the tests: the time each new second is really painted with, and when
    // ("07:30:05 <ms since the epoch>", with QT_LOGGING_RULES=kalindor.seconds.debug=true).
    if (secondsDrawn().isDebugEnabled())
        Image3[1]->installEventFilter(this);
    Form_Load();
}

QPushButton *HorP::pictureButton(const QString &picture, QRect geometry)
{
    auto *button = new FocusButton(this);
    button->setGeometry(geometry);
    button->setIconSize(QSize(32, 32));
    if (!picture.isEmpty())
        button->setIcon(QIcon(picture));
    return button;
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
        cutLateRepetition(clock.now());
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

bool HorP::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image3[1] && event->type() == QEvent::Paint) {
        QString drawn;
        for (const GlyphSlot *slot : {Image2[0], Image2[1], Image2[2], Image2[3], Image2[4], Image2[2], Image3[0], Image3[1]})
            drawn += slot->glyph() == Glyph::Colon ? QChar(u':') : QChar(u'0' + slot->glyph());
        // Written straight out: the trace must not cost more than what it measures.
        const QByteArray line = drawn.toLatin1() + ' ' + QByteArray::number(clock.now().toMSecsSinceEpoch()) + '\n';
        std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
        std::fflush(stderr);
    }
    return QWidget::eventFilter(watched, event);
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
        if (const QString words = closingWords(); !words.isEmpty())
            services.sayBeforeEnd(words);
    }
    if (services.endProgram)
        services.endProgram();
}

void HorP::putTwoDigits(GlyphSlot *tens, GlyphSlot *units, int value)
{
    tens->putGlyph(value < 10 ? 0 : value / 10);
    units->putGlyph(value % 10);
}

void HorP::draw24(const QString &text24)
{
    putTwoDigits(Image2[0], Image2[1], clockHour(text24));
    putTwoDigits(Image2[3], Image2[4], clockMinutes(text24));
}

void HorP::draw12(const QString &text12, const QString &marker)
{
    Image4[0]->putGlyph(glyphOf(text12.at(0)));
    Image4[1]->putGlyph(glyphOf(text12.at(1)));
    Image4[3]->putGlyph(glyphOf(text12.at(3)));
    Image4[4]->putGlyph(glyphOf(text12.at(4)));
    Image4[6]->putGlyph(marker == QLatin1String("PM") ? Glyph::P : Glyph::A);
    Image4[7]->putGlyph(Glyph::M);
}

void HorP::Timer1_Timer()
{
    const QDateTime now = clock.now();
    Label1->setCaption(clockText(now.time())); // may speak the time before going on
    // The date line, once written, follows a new date: midnight, or a new zone.
    if (!Label3->text().isEmpty() && now.date() != dateShown)
        calendrier();
    nameDateLine(now.date());
    const int h = clockHour(Label1->text());
    shared.MinuteCell = qint16(clockMinutes(Label1->text()));
    draw24(Label1->text());
    shared.AmPmMarker = amPmMarkerOf(h);
    Label2->setCaption(twelveHourText(twelveHourOf(h), Label1->text(), shared.AmPmMarker));
    draw12(Label2->text(), shared.AmPmMarker);
}

void HorP::Timer2_Timer()
{
    const int s = clock.now().time().second();
    Label4->setText(QStringLiteral("%1").arg(s, 2, 10, QLatin1Char('0')));
    Image3[0]->putGlyph(s < 10 ? 0 : glyphOf(Label4->text().at(0)));
    Image3[1]->putGlyph(s % 10);
}

void HorP::keepTimeShown()
{
    const QTime now = clock.now().time();
    if (Label4->text() == QStringLiteral("%1").arg(now.second(), 2, 10, QLatin1Char('0')))
        return;
    Timer2_Timer();
    const QString text24 = clockText(now);
    draw24(text24);
    const int h = now.hour();
    draw12(twelveHourText(twelveHourOf(h), text24, amPmMarkerOf(h)), amPmMarkerOf(h));
}

void HorP::calendrier()
{
    Label3->setText(QString());
    dateShown = clock.now().date();
    Label3->setText(calendarLine(dateShown, shared.CurrentLanguage));
}

// For screen readers the date line is today's date in full from the start, whatever it shows.
void HorP::nameDateLine(const QDate &today)
{
    const QString name = spokenDate(today, shared.CurrentLanguage);
    if (Label3->accessibleName() != name)
        Label3->setAccessibleName(name);
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
    nameDateLine(clock.now().date());
    if (Command6->toolTip().isEmpty()) // until the first alarm check names the next alarm
        Command6->setAccessibleDescription(spokenControl(MainControl::AlarmSet, shared.CurrentLanguage).description);
}

void HorP::Command1_Click()
{
    Command7->setText(exitCaption(French));
    shared.CurrentLanguage = French;
    languageChosen();
    calendrier();
    Label1->setCaption(clockText(clock.now().time()));
    announcements.speakTimeFr(Label1->text());
}

void HorP::Command2_Click()
{
    Command7->setText(exitCaption(German));
    shared.CurrentLanguage = German;
    languageChosen();
    calendrier();
    Label1->setCaption(clockText(clock.now().time()));
    announcements.speakTimeDe(Label1->text());
}

void HorP::Command3_Click()
{
    Command7->setText(exitCaption(English));
    shared.CurrentLanguage = English;
    languageChosen();
    calendrier();
    announcements.speakTimeEn(Label1->text()); // the display as the last tick left it
}

void HorP::Label3_Click()
{
    announcements.speakDate();
}

void HorP::Label1_Change()
{
    if (shared.CurrentLanguage != French && shared.CurrentLanguage != German)
        return;
    const double interval = leadingNumber(settingsWindow().Text1->text());
    if (!announcementDue(interval, QStringView(Label1->text()).right(2)))
        return;
    if (shared.CurrentLanguage == French)
        Command1_Click();
    else
        Command2_Click();
}

void HorP::Label2_Change()
{
    if (shared.CurrentLanguage != English)
        return;
    const double interval = leadingNumber(settingsWindow().Text1->text());
    if (!announcementDue(interval, QStringView(Label2->text()).mid(3, 2)))
        return;
    Command3_Click();
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
        // Over the clock, where the user is looking, rather than wherever the window manager puts a new window.
        aboutBox->adjustSize();
        aboutBox->move(frameGeometry().center() - aboutBox->rect().center());
    }
    aboutBox->cmdOK->setAccessibleDescription(spokenControl(MainControl::AboutClose, shared.CurrentLanguage).description);
    aboutBox->cmdSysInfo->setAccessibleDescription(
        spokenControl(MainControl::AboutSystemInfo, shared.CurrentLanguage).description);
    aboutBox->show();
    aboutBox->raise();
    aboutBox->activateWindow();
}

void HorP::Command6_Click()
{
    Hset &window = settingsWindow();
    window.show();
    window.raise();
    window.activateWindow();
}

Hset &HorP::settingsWindow()
{
    if (settings.isNull())
        settings = new Hset(shared, services.settings, this);
    return *settings;
}
