// The yardstick for start-up time: a Qt window of Kalindor's size with nothing in it.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("BARE"));
    window.setFixedSize(359, 95);
    window.show();
    return app.exec();
}
