// SPDX-License-Identifier: MIT
#include "qt/programicon.h"

#include "form/appinfo.h"

#include <QIconEngine>
#include <QPainter>
#include <QImageReader>
#include <QPixmap>

namespace {

QString resource(const QString &path)
{
    return QStringLiteral(":/icons/%1/apps/%2").arg(path, QString::fromUtf8(AppInfo::applicationId));
}

class ProgramIconEngine final : public QIconEngine
{
public:
    ProgramIconEngine()
    {
        // Naming the format spares Qt from loading every image plugin to recognise
        // the files, which would cost more than the rest of the icon.
        for (const int side : {32, 48}) {
            const QString path = resource(QStringLiteral("%1x%1").arg(side)) + QStringLiteral(".png");
            QImageReader reader(path, "png");
            reader.setAutoDetectImageFormat(false);
            bitmaps.addPixmap(QPixmap::fromImage(reader.read()));
        }
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    // Sizes reaching an engine are in device pixels already: the inner icons are asked
    // at a ratio of 1, or they would scale once more for the screen.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return iconFor(size).pixmap(size, 1.0, mode, state);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return pixmap(size, mode, state).size();
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return bitmaps.availableSizes(mode, state);
    }

    QIconEngine *clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("ProgramIconEngine"); }

private:
    ProgramIconEngine(const ProgramIconEngine &) = default;

    // A bitmap drawn for exactly this size or larger serves it; anything beyond the
    // largest bitmap comes from the scalable drawing.
    const QIcon &iconFor(const QSize &size)
    {
        constexpr int largestBitmap = 48;
        if (size.width() <= largestBitmap && size.height() <= largestBitmap)
            return bitmaps;
        if (scalable.isNull())
            scalable = QIcon(resource(QStringLiteral("scalable")) + QStringLiteral(".svg"));
        return scalable.isNull() ? bitmaps : scalable;
    }

    QIcon bitmaps;
    QIcon scalable;
};

} // namespace

QIcon programIcon()
{
    return QIcon(new ProgramIconEngine);
}
