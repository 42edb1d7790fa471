#pragma once

#include <QIconEngine>
#include <QString>

// An icon read from its image file each time it is drawn: the application's icon, which windows
// only ask for when they open, is not held decoded (a quarter of a megabyte at 256 px) meanwhile.
class FileIconEngine final : public QIconEngine
{
public:
    static QIcon icon(const QString &path);

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;
    bool isNull() override;

private:
    explicit FileIconEngine(QString path);

    QString m_path;
    QSize m_size; // the image's own, from its header
};
