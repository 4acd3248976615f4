// The About box: title, version, description, and a button that starts a system-information program.
#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

struct InfoServices
{
    // Full path of an executable found on PATH, or empty.
    std::function<QString(const QString &name)> findProgram;
    // Starts a program detached with its arguments, without a shell; false when it could not be started.
    std::function<bool(const QString &program, const QStringList &arguments)> startDetached;
    std::function<void(QWidget *parent, const QString &text)> showMessage;
};

class info : public QWidget
{
    Q_OBJECT
public:
    explicit info(InfoServices services, QWidget *parent = nullptr);

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    // True when a tool was started; otherwise the user has been told none is available.
    bool StartSysInfo();

    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblDisclaimer = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *picIcon = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;

private:
    void makeButtons();
    void layOut();

    InfoServices services;
};

// The real services: PATH lookup, QProcess::startDetached and a QMessageBox.
InfoServices systemInfoServices();
