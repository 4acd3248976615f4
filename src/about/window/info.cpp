// The About box: title, version, description, and a button that starts a system-information program.
#include "info.h"

#include "AboutText.h"
#include "AccessibleAs.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QVBoxLayout>


namespace {
const QString Title = QStringLiteral("Kalindor");
const QString Unavailable = QStringLiteral("Les informations système ne sont pas disponibles actuellement");

QFrame *separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel *wrappedLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

info::info(InfoServices services, QWidget *parent)
    : QWidget(parent, Qt::Window), services(std::move(services))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));

    AccessibleAs::mark(this, AccessibleAs::Dialog);
    picIcon = new QLabel(this);
    AccessibleAs::mark(picIcon, AccessibleAs::Silent);
    picIcon->setFixedSize(64, 64);
    // QIcon picks icon@2x.png on a scaled desktop, which a plain QPixmap would not.
    picIcon->setPixmap(QIcon(QStringLiteral(":/pictures/icon.png")).pixmap(QSize(64, 64), devicePixelRatioF()));

    lblTitle = new QLabel(this);
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    lblTitle->setFont(titleFont);
    lblVersion = new QLabel(this);
    lblDescription = wrappedLabel(this);
    lblDescription->setText(QStringLiteral(
        "Horloge et calendrier parlants en temps réel, en français, en allemand et en anglais, "
        "avec dix alarmes programmables aux sons intégrés (gong, sonnerie, rappel de réunion) "
        "ou personnels."));
    Label1 = wrappedLabel(this);
    lblDisclaimer = wrappedLabel(this);
    QFont smallFont = lblDisclaimer->font();
    smallFont.setPointSizeF(smallFont.pointSizeF() * 0.85);
    lblDisclaimer->setFont(smallFont);
    lblDisclaimer->setText(QStringLiteral(
        "Avertissement : ce programme est fourni tel quel, sans aucune garantie. Ses auteurs ne "
        "sauraient être tenus pour responsables d'une alarme manquée ni d'aucun dommage lié à son "
        "utilisation."));

    makeButtons();
    layOut();
    Form_Load();

    // The wrapped texts take the height they need at the box's width; the title never wraps,
    // so a wide font may widen the box rather than cut it.
    const int width = qMax(420, layout()->minimumSize().width());
    setFixedSize(width, qMax(250, layout()->heightForWidth(width)));
    cmdOK->setFocus();
}

void info::makeButtons()
{
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdSysInfo = new QPushButton(QStringLiteral("&Infos système..."), this);
    cmdOK->setMinimumWidth(cmdSysInfo->sizeHint().width());
    cmdOK->setAccessibleDescription(QStringLiteral("Close this box"));
    cmdSysInfo->setAccessibleDescription(QStringLiteral("Start a program that describes this computer"));
    connect(cmdOK, &QPushButton::clicked, this, &info::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &info::cmdSysInfo_Click);
    // Escape closes the box as OK does; it is a plain window, so nothing else would.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &info::cmdOK_Click);
    // Enter presses the button that has the focus, as Space does; outside a dialog Qt would leave it unused.
    for (const QKeyCombination key : {QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_Enter),
                                      Qt::KeypadModifier | Qt::Key_Enter}) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, [this] {
            if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
                button->click();
        });
    }
}

void info::layOut()
{
    auto *texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addSpacing(6);
    texts->addWidget(lblDescription);

    auto *top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch();

    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(14);
    bottom->addWidget(lblDisclaimer, 1);
    bottom->addLayout(buttons);

    auto *window = new QVBoxLayout(this);
    window->setContentsMargins(12, 12, 12, 12);
    window->addLayout(top);
    window->addWidget(separator(this));
    window->addWidget(Label1);
    window->addWidget(separator(this));
    window->addLayout(bottom);
}

void info::Form_Load()
{
    setWindowTitle(QStringLiteral("À propos de ") + Title);
    lblTitle->setText(Title + QStringLiteral(" — © les auteurs de Kalindor"));
    lblVersion->setText(versionText(QCoreApplication::applicationVersion()));
    Label1->setText(QStringLiteral(
        "Logiciel libre : vous pouvez le copier, le modifier et le redistribuer selon les termes "
        "de la licence publique générale GNU, version 3 ou ultérieure."));
}

void info::cmdOK_Click()
{
    close();
}

void info::cmdSysInfo_Click()
{
    StartSysInfo();
}

bool info::StartSysInfo()
{
    // A program that is found but will not start (a broken installation) gives way to the next.
    if (services.findProgram && services.startDetached) {
        for (const QStringList &command : systemInfoPrograms()) {
            const QString path = services.findProgram(command.first());
            if (!path.isEmpty() && services.startDetached(path, command.mid(1)))
                return true;
        }
    }
    if (services.showMessage)
        services.showMessage(this, Unavailable);
    return false;
}

InfoServices systemInfoServices()
{
    InfoServices services;
    services.findProgram = [](const QString &name) { return QStandardPaths::findExecutable(name); };
    services.startDetached = [](const QString &program, const QStringList &arguments) {
        return QProcess::startDetached(program, arguments);
    };
    services.showMessage = [](QWidget *parent, const QString &text) {
        QMessageBox box(QMessageBox::Information, Title, text, QMessageBox::Ok, parent);
        box.exec();
    };
    return services;
}
