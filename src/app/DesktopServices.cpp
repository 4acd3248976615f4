#include "DesktopServices.h"

#include "QtTranslations.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

#include <memory>

HorPServices desktopServices()
{
    HorPServices services;
    services.endProgram = [] { QCoreApplication::exit(0); };
    services.showStopMessage = [](QWidget *parent, const QString &text) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kalindor"), text, QMessageBox::Ok, parent);
        box.exec();
    };
    services.settings.openFile = [](QWidget *parent, const QString &title, const QString &filter, const QString &folder) {
        return QFileDialog::getOpenFileName(parent, title, folder, filter, nullptr, QFileDialog::HideNameFilterDetails);
    };
    services.settings.askToSave = [](QWidget *parent, const QString &question) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Kalindor"), question,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        return QMessageBox::StandardButton(box.exec());
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
    services.about = systemInfoServices();
    auto translations = std::make_shared<QtTranslations>();
    services.followLanguage = [translations](Language language) { translations->follow(language); };
    return services;
}
