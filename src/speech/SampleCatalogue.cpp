#include "SampleCatalogue.h"

#include <QFile>

namespace {
QByteArray readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
} // namespace

QString SampleCatalogue::resourcePath(SampleId id)
{
    return QStringLiteral(":/samples/%1.wav").arg(int(id), 3, 10, QLatin1Char('0'));
}

QByteArray SampleCatalogue::image(SampleId id) const
{
    return readResource(resourcePath(id));
}

QByteArray SampleCatalogue::alertImage() const
{
    return readResource(QStringLiteral(":/samples/alert.wav"));
}
