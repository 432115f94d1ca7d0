#include "app/history.h"

#include "profile/profilefile.h"
#include "results/numbertext.h"

#include <algorithm>

namespace History {

void BarColour(int row, int *red, int *green, int *blue)
{
    static constexpr int table[6][3] = {
        {255, 0, 0}, {255, 255, 0}, {0, 255, 0}, {0, 255, 255}, {255, 0, 255}, {255, 0, 0},
    };
    const int i = ((row % 6) + 6) % 6;
    *red = table[i][0];
    *green = table[i][1];
    *blue = table[i][2];
}

QString BarLabel(const QString &name)
{
    // A character beyond the Basic Multilingual Plane is two units: never split.
    qsizetype units = 0;
    for (int count = 0; count < 10 && units < name.size(); ++count) {
        const bool pair = name.at(units).isHighSurrogate() && units + 1 < name.size() && name.at(units + 1).isLowSurrogate();
        units += pair ? 2 : 1;
    }
    return name.left(units);
}

void ReverseHistoryRows(QVector<Row> &rows)
{
    const qsizetype n = rows.size();
    for (qsizetype i = 0; i < n / 2; ++i)
        std::swap(rows[i], rows[n - 1 - i]);
}

Listing Read(const QString &path)
{
    Listing listing;
    const ProfileFile file(path, ProfileFile::Access::Direct);
    // Only the first names are listed: ask for no more of a large file
    // than that, and for more only when empty names took places.
    QStringList names;
    QVector<Row> rows;
    rows.reserve(MaxRows);
    for (int wanted = MaxRows;; wanted *= 2) {
        file.ListSections(names, wanted);
        rows.clear();
        // An empty name cannot hold a cell of the list: the next name takes
        // the same first empty cell.
        for (const QString &name : std::as_const(names)) {
            if (rows.size() == MaxRows)
                break;
            if (!name.isEmpty())
                rows.append(Row{name, {}, {}});
        }
        if (rows.size() == MaxRows || names.size() < wanted)
            break;
    }
    for (Row &row : rows) {
        row.koeff = file.ReadText(row.name, QStringLiteral("Koeff"), QString());
        double k = 0;
        if (NumberText::ToDouble(row.koeff, &k) && k > listing.maxKoeff)
            listing.maxKoeff = k;
        row.mark = file.ReadText(row.name, QStringLiteral("Mark"), QString());
    }
    ReverseHistoryRows(rows);
    if (rows.isEmpty())
        rows.append(Row{});
    listing.axisMaximum = listing.maxKoeff != 0 ? listing.maxKoeff + 0.5 : 1.0;
    for (int r = int(rows.size()) - 1; r >= 0; --r) {
        const Row &row = rows.at(r);
        if (row.name.isEmpty())
            continue;
        double k = 0;
        if (!NumberText::ToDouble(row.koeff, &k))
            continue;
        Bar bar{k, BarLabel(row.name), 0, 0, 0};
        BarColour(r, &bar.red, &bar.green, &bar.blue);
        listing.bars.append(bar);
    }
    listing.rows = std::move(rows);
    return listing;
}

} // namespace History
