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

#ifdef Q_OS_WIN
#include <QFileInfo>

#include <optional>

#include <windows.h>
#endif

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

#ifdef Q_OS_WIN
// Reads a registry value into a 1024-character buffer. A string comes back without its
// terminating zero; a 32-bit number as "&h" and its four bytes from the last to the first,
// each in hexadecimal without leading zeros. Nothing when the key or value cannot be read.
std::optional<QString> GetKeyValue(HKEY root, const wchar_t *keyName, const wchar_t *valueName)
{
    HKEY key = nullptr;
    // Read access is all that is needed; ordinary users are refused full access to
    // HKEY_LOCAL_MACHINE, which would make the lookup fail for them.
    if (RegOpenKeyExW(root, keyName, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    wchar_t buffer[1024] = {};
    DWORD type = 0;
    DWORD size = sizeof buffer;
    const LSTATUS status = RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return std::nullopt;

    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ: {
        qsizetype length = qsizetype(size / sizeof(wchar_t));
        while (length > 0 && buffer[length - 1] == L'\0')
            --length;
        QString text = QString::fromWCharArray(buffer, length);
        if (type == REG_EXPAND_SZ) {
            // A path such as "%ProgramFiles%\..." cannot be started as it stands.
            wchar_t expanded[1024] = {};
            const DWORD needed = ExpandEnvironmentStringsW(reinterpret_cast<LPCWSTR>(text.utf16()), expanded, 1024);
            if (needed > 0 && needed <= 1024)
                text = QString::fromWCharArray(expanded);
        }
        return text;
    }
    case REG_DWORD: {
        if (size < 4)
            return std::nullopt;
        const auto *bytes = reinterpret_cast<const unsigned char *>(buffer);
        QString text = QStringLiteral("&h");
        for (int i = 3; i >= 0; --i)
            text += QString::number(bytes[i], 16).toUpper();
        return text;
    }
    default:
        return std::nullopt;
    }
}

// The tool's path as the system records it, or empty.
QString msinfoFromRegistry()
{
    if (const auto path = GetKeyValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", L"PATH"))
        return *path;
    if (const auto directory = GetKeyValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shared Tools Location", L"MSINFO")) {
        const QString file = *directory + QStringLiteral("\\MSINFO32.EXE");
        if (QFileInfo::exists(file))
            return file;
    }
    return {};
}
#endif
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

    Form_Load();

    // The wrapped texts take the height they need at the box's width; the title never wraps,
    // so a wide font may widen the box rather than cut it.
    const int width = qMax(420, window->minimumSize().width());
    setFixedSize(width, qMax(250, window->heightForWidth(width)));
    cmdOK->setFocus();
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
#ifdef Q_OS_WIN
    const QString path = msinfoFromRegistry();
    if (!path.isEmpty() && services.startDetached && services.startDetached(path))
        return true;
#else
    // A program that is found but will not start (a broken installation) gives way to the next.
    if (services.findProgram && services.startDetached) {
        for (const QString &name : systemInfoPrograms()) {
            const QString path = services.findProgram(name);
            if (!path.isEmpty() && services.startDetached(path))
                return true;
        }
    }
#endif
    if (services.showMessage)
        services.showMessage(this, Unavailable);
    return false;
}

InfoServices systemInfoServices()
{
    InfoServices services;
    services.findProgram = [](const QString &name) { return QStandardPaths::findExecutable(name); };
    services.startDetached = [](const QString &program) { return QProcess::startDetached(program, {}); };
    services.showMessage = [](QWidget *parent, const QString &text) {
        QMessageBox box(QMessageBox::Information, Title, text, QMessageBox::Ok, parent);
        box.exec();
    };
    return services;
}
