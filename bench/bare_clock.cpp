// The yardstick for idling: a bare Qt window whose one label shows the time, set by a plain 1 s timer.
// Each paint of a new second is printed as "HH:mm:ss epoch-ms" on standard error, as Kalindor's trace does.
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTimer>

#include <cstdio>

namespace {
class TimeLabel final : public QLabel
{
protected:
    void paintEvent(QPaintEvent *event) override
    {
        QLabel::paintEvent(event);
        if (text() != painted) {
            painted = text();
            std::fprintf(stderr, "%s %lld\n", qPrintable(painted), QDateTime::currentMSecsSinceEpoch());
        }
    }

private:
    QString painted;
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TimeLabel label;
    label.setWindowTitle(QStringLiteral("BARE"));
    label.setFixedSize(359, 95);
    const auto show = [&label] { label.setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))); };
    QTimer timer;
    timer.callOnTimeout(show);
    timer.start(1000);
    show();
    label.show();
    return app.exec();
}
