// The ALARM SET window: ten alarms of date, time and sound, and the announcement interval.
#pragma once

#include "ClickableLabel.h"
#include "HPMOD.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <functional>

struct HsetServices
{
    QString configDir; // where kalind.dta and saytime.dta live
    // The open-file dialog; returns the chosen path, or an empty text when the user cancels.
    std::function<QString(QWidget *parent, const QString &title, const QString &filter, const QString &initialName)> openFile;
    // Tells the user something went wrong (a store that failed); must not block tests.
    std::function<void(QWidget *parent, const QString &title, const QString &text)> warn;
};

class Hset : public QWidget
{
    Q_OBJECT
public:
    Hset(HPMOD &shared, HsetServices services, QWidget *parent = nullptr);

    // Alarm k (1-10): its five date and time boxes (day, month, year, hour, minute) and its wave-file label.
    QLineEdit *dateBox(int alarm, int index) const;
    ClickableLabel *waveFileLabel(int alarm) const;
    ClickableLabel *optionLabel(int alarm, int option) const; // option 0 gong, 1 ring, 2 meeting

    QLineEdit *Text1 = nullptr; // announcement interval

    void Form_Load();
    void Form_Activate();
    void Command1_Click();
    void Text1_Click();
    void dateBoxClicked(int alarm, int index);
    void optionClicked(int alarm, int option);
    void waveFileClicked(int alarm);
    QString chooseWaveFile();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    HPMOD &shared;
    HsetServices services;
    std::array<std::array<QLineEdit *, 5>, 10> rows{};
    std::array<std::array<ClickableLabel *, 4>, 10> soundLabels{};
};
