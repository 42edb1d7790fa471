#include "FileIconEngine.h"

#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

FileIconEngine::FileIconEngine(QString path)
    : m_path(std::move(path))
    , m_size(QImageReader(m_path).size())
{
}

QIcon FileIconEngine::icon(const QString &path)
{
    return QIcon(new FileIconEngine(path)); // the icon owns its engine
}

QSize FileIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    return m_size.isValid() ? m_size.scaled(size, Qt::KeepAspectRatio).boundedTo(m_size) : QSize();
}

QPixmap FileIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    const QSize wanted = actualSize(size, mode, state);
    if (wanted.isEmpty())
        return {};
    QImageReader reader(m_path);
    reader.setScaledSize(wanted);
    return QPixmap::fromImage(reader.read());
}

void FileIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap drawn = pixmap(rect.size() * scale, mode, state);
    drawn.setDevicePixelRatio(scale);
    const QSize shown = drawn.deviceIndependentSize().toSize();
    painter->drawPixmap(QRect(rect.topLeft() + QPoint((rect.width() - shown.width()) / 2, (rect.height() - shown.height()) / 2),
                              shown),
                        drawn);
}

QList<QSize> FileIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    return m_size.isValid() ? QList<QSize>{m_size} : QList<QSize>{};
}

QIconEngine *FileIconEngine::clone() const
{
    return new FileIconEngine(m_path);
}

QString FileIconEngine::key() const
{
    return QStringLiteral("FileIconEngine");
}

bool FileIconEngine::isNull()
{
    return !m_size.isValid();
}
