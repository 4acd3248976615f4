#include "info.h"

#include <QLabel>
#include <QPushButton>

info::info(InfoServices services, QWidget *parent)
    : QWidget(parent, Qt::Window), services(std::move(services))
{
    setAttribute(Qt::WA_DeleteOnClose);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdSysInfo = new QPushButton(QStringLiteral("&Infos système..."), this);
}

void info::Form_Load() {}
void info::cmdOK_Click() { close(); }
void info::cmdSysInfo_Click() { StartSysInfo(); }
bool info::StartSysInfo() { return false; }
InfoServices systemInfoServices() { return {}; }
