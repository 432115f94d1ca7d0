#include "app/programicon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <array>

namespace {

constexpr std::array<int, 7> PackagedSizes = {16, 24, 32, 48, 64, 128, 256};

class ProgramIconEngine final : public QIconEngine
{
public:
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        if (size.isEmpty())
            return {};
        const int index = packagedIndexFor(size);
        QPixmap &packaged = m_decoded[std::size_t(index)];
        if (packaged.isNull()) {
            const QString path = QStringLiteral(":/icons/tenacio-%1.png").arg(PackagedSizes[std::size_t(index)]);
            // Naming the format spares the reader probing every image plugin.
            packaged.load(path, "PNG");
            if (packaged.isNull())
                return {};
        }
        if (packaged.width() <= size.width() && packaged.height() <= size.height())
            return packaged;
        return packaged.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        const QPixmap pm = pixmap(rect.size() * ratio, mode, state);
        if (pm.isNull())
            return;
        QRect target(QPoint(), pm.size() / ratio);
        target.moveCenter(rect.center());
        painter->drawPixmap(target, pm);
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = PackagedSizes[std::size_t(packagedIndexFor(size))];
        return QSize(side, side).boundedTo(size);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : PackagedSizes)
            sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine *clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("TenacioProgramIcon"); }

private:
    // The smallest packaged size that fills the request, else the largest.
    static int packagedIndexFor(const QSize &size)
    {
        const int wanted = qMin(size.width(), size.height());
        for (std::size_t i = 0; i < PackagedSizes.size(); ++i)
            if (PackagedSizes[i] >= wanted)
                return int(i);
        return int(PackagedSizes.size()) - 1;
    }

    std::array<QPixmap, PackagedSizes.size()> m_decoded;
};

} // namespace

QIcon ProgramIcon()
{
    Q_INIT_RESOURCE(tenacio);
    return QIcon(new ProgramIconEngine);
}
