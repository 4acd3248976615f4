// ALARM SET's lines of the quiet hours, of the alarms' loudness and of what closing the window does:
// boxes that edit the book's sound settings, and what cannot be valid in them said beside them.
#include "Hset.h"

#include "AccessibleAs.h"
#include "HsetLayout.h"

#include <QSignalBlocker>

void Hset::buildSoundLine()
{
    const auto label = [this](QRect geometry) { return HsetLayout::makeLabel(this, geometry); };
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
    quietCaption = label(HsetLayout::QuietCaption);
    quietFrom = soundBox(HsetLayout::QuietFrom, &SoundSettings::quietFrom);
    quietToCaption = label(HsetLayout::QuietToCaption);
    quietTo = soundBox(HsetLayout::QuietTo, &SoundSettings::quietTo);
    quietUnit = label(HsetLayout::QuietUnit);
    levelCaption = label(HsetLayout::LevelCaption);
    level = soundBox(HsetLayout::Level, &SoundSettings::level);
    levelUnit = label(HsetLayout::LevelUnit);
    levelUnit->setText(QStringLiteral("%"));
    riseCaption = label(HsetLayout::RiseCaption);
    rise = soundBox(HsetLayout::Rise, &SoundSettings::rise);
    riseUnit = label(HsetLayout::RiseUnit);
    snoozeCaption = label(HsetLayout::SnoozeCaption);
    snooze = soundBox(HsetLayout::Snooze, &SoundSettings::snooze);
    snoozeUnit = label(HsetLayout::SnoozeUnit);
    snoozeCaption->setBuddy(snooze);
    snoozeUnit->setBuddy(snooze);
    for (QLabel *caption : {quietCaption, quietToCaption, quietUnit})
        caption->setBuddy(caption == quietCaption ? quietFrom : quietTo);
    levelCaption->setBuddy(level);
    levelUnit->setBuddy(level);
    riseCaption->setBuddy(rise);
    riseUnit->setBuddy(rise);
    const auto optionBox = [this](QRect geometry, QString SoundSettings::*field, const QString &on, const QString &off) {
        auto *box = new QCheckBox(this);
        box->setGeometry(geometry);
        connect(box, &QCheckBox::toggled, this, [this, field, on, off](bool checked) {
            SoundSettings settings = this->book.soundSettings();
            settings.*field = checked ? on : off;
            this->book.setSoundSettings(settings);
        });
        return box;
    };
    keepRinging = optionBox(HsetLayout::KeepRinging, &SoundSettings::keepRinging, QStringLiteral("1"), {});
    speakNames = optionBox(HsetLayout::SpeakNames, &SoundSettings::speakNames, {}, QStringLiteral("0"));
    // What the boxes' descriptions say too: left out of what screen readers find.
    quietState = label(HsetLayout::QuietState);
    loudnessState = label(HsetLayout::LoudnessState);
    for (QLabel *state : {quietState, loudnessState}) {
        AccessibleAs::mark(state, AccessibleAs::Silent);
        QPalette palette = state->palette();
        palette.setColor(QPalette::WindowText, QColor(150, 0, 0));
        state->setPalette(palette);
    }
}

// Also a change the window did not make itself: the book was reverted.
void Hset::showSoundSettings()
{
    const SoundSettings &settings = book.soundSettings();
    const std::pair<QLineEdit *, const QString *> boxes[] = {
        {quietFrom, &settings.quietFrom}, {quietTo, &settings.quietTo}, {level, &settings.level}, {rise, &settings.rise},
        {snooze, &settings.snooze}};
    for (const auto &[box, text] : boxes) {
        if (box->text() != *text) {
            const QSignalBlocker quiet(box);
            box->setText(*text);
        }
    }
    if (keepRinging->isChecked() != keepsRinging(settings)) {
        const QSignalBlocker quiet(keepRinging);
        keepRinging->setChecked(keepsRinging(settings));
    }
    if (speakNames->isChecked() != speaksNames(settings)) {
        const QSignalBlocker quiet(speakNames);
        speakNames->setChecked(speaksNames(settings));
    }
    showSoundProblems();
}

// In the state column, as a row's reason is, and in the description of the boxes it is about.
void Hset::showSoundProblems()
{
    const HsetDescriptions &texts = hsetDescriptions(shared.CurrentLanguage);
    const QString quietProblem = quietHoursProblem(book.soundSettings(), shared.CurrentLanguage);
    const QString snoozeWrong = snoozeProblem(book.soundSettings(), shared.CurrentLanguage);
    const QString loudWrong = loudnessProblem(book.soundSettings(), shared.CurrentLanguage);
    const QString loudProblem = loudWrong.isEmpty() ? snoozeWrong : loudWrong; // the line's state shows one
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
    describe(level, texts.levelHint, loudWrong);
    describe(rise, texts.riseHint, loudWrong);
    describe(snooze, texts.snoozeHint, snoozeWrong);
}
