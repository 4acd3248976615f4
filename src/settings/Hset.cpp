#include "Hset.h"

#include <QEvent>

Hset::Hset(HPMOD &shared, HsetServices services, QWidget *parent)
    : QWidget(parent, Qt::Window), shared(shared), services(std::move(services))
{
    setWindowTitle(QStringLiteral("ALARM SET"));
    for (int k = 0; k < 10; ++k) {
        for (int i = 0; i < 5; ++i)
            rows[k][i] = new QLineEdit(this);
        for (int o = 0; o < 4; ++o)
            soundLabels[k][o] = new ClickableLabel(this);
    }
    Text1 = new QLineEdit(this);
}

QLineEdit *Hset::dateBox(int alarm, int index) const { return rows[alarm - 1][index]; }
ClickableLabel *Hset::waveFileLabel(int alarm) const { return soundLabels[alarm - 1][3]; }
ClickableLabel *Hset::optionLabel(int alarm, int option) const { return soundLabels[alarm - 1][option]; }
void Hset::Form_Load() {}
void Hset::Form_Activate() {}
void Hset::Command1_Click() {}
void Hset::Text1_Click() {}
void Hset::dateBoxClicked(int, int) {}
void Hset::optionClicked(int, int) {}
void Hset::waveFileClicked(int) {}
QString Hset::chooseWaveFile() { return {}; }
bool Hset::event(QEvent *event) { return QWidget::event(event); }
bool Hset::eventFilter(QObject *watched, QEvent *event) { return QWidget::eventFilter(watched, event); }
