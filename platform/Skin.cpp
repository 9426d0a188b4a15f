#include "platform/Skin.h"

#include <QApplication>
#include <QFile>

namespace Skin {
namespace {

// qCompress puts the uncompressed length (4 bytes, big-endian) before a zlib stream, whose
// first byte is 0x78 for the deflate method with a 32 KiB window.
bool looksCompressed(const QByteArray& data)
{
    return data.size() > 6 && static_cast<unsigned char>(data.at(4)) == 0x78;
}

int snapAxis(int position, int size, int low, int high)
{
    if (withinSnapDistance(position - low))
        return low;
    if (withinSnapDistance(position + size - high))
        return high - size;
    return position;
}

}  // namespace

bool read(const QString& path, QString& styleSheet)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    if (looksCompressed(data)) {
        data = qUncompress(data);
        if (data.isEmpty())
            return false;
    }
    styleSheet = QString::fromUtf8(data);
    return true;
}

bool load(const QString& path)
{
    QString styleSheet;
    if (!read(path, styleSheet))
        return false;
    qApp->setStyleSheet(styleSheet);
    return true;
}

QPoint snapToScreenEdges(const QRect& window, const QRect& screen)
{
    return QPoint(snapAxis(window.x(), window.width(), screen.left(), screen.left() + screen.width()),
                  snapAxis(window.y(), window.height(), screen.top(), screen.top() + screen.height()));
}

}  // namespace Skin
