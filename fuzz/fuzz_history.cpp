// The history list and chart from whatever a results file holds: at most
// 100 rows, the last names of the file newest on top, one empty row when
// there is none; Koeff and Mark as direct access reads them; the axis
// maximum from the largest Koeff that parses; one bar per such row, oldest
// first, labelled with the name's first 10 characters, coloured by row.

#include "app/history.h"
#include "fuzz/reference.h"
#include "profile/memoryfiles.h"
#include "profile/profilefile.h"
#include "results/numbertext.h"

#include <algorithm>
#include <cmath>

namespace {

// Bar colours by row number modulo 6, as the chart shows them.
constexpr int Colours[6][3] = {{255, 0, 0}, {255, 255, 0}, {0, 255, 0}, {0, 255, 255}, {255, 0, 255}, {255, 0, 0}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = QStringLiteral("memory:/examres.ini");
    Profile::SetMemoryFile(path, bytes);
    {
        const History::Listing listing = History::Read(path);
        const ProfileFile direct(path, ProfileFile::Access::Direct);
        QStringList names;
        ProfileFile(path, ProfileFile::Access::InMemory).ListSections(names); // every name
        names.removeAll(QString());                                           // an empty name takes no row
        names = names.mid(std::max<qsizetype>(0, names.size() - History::MaxRows));

        const qsizetype rows = listing.rows.size();
        FUZZ_CHECK(rows >= 1 && rows <= History::MaxRows);
        FUZZ_CHECK(rows == std::max<qsizetype>(1, names.size()));
        double maxKoeff = 0;
        for (qsizetype r = 0; r < names.size(); ++r) {
            const History::Row &row = listing.rows[rows - 1 - r];
            FUZZ_CHECK(row.name == names[r]);
            // Koeff and Mark of the first and last two (all would double the time).
            if (r < 2 || r >= names.size() - 2) {
                FUZZ_CHECK(row.Koeff == direct.ReadText(names[r], QStringLiteral("Koeff"), QString()));
                FUZZ_CHECK(row.Mark == direct.ReadText(names[r], QStringLiteral("Mark"), QString()));
            }
            double k = 0;
            if (NumberText::ToDouble(row.Koeff, &k))
                maxKoeff = std::max(maxKoeff, k);
        }
        if (names.isEmpty())
            FUZZ_CHECK(listing.rows[0].name.isEmpty() && listing.rows[0].Koeff.isEmpty()
                       && listing.rows[0].Mark.isEmpty());
        FUZZ_CHECK(listing.maxKoeff == maxKoeff);
        FUZZ_CHECK(listing.axisMaximum == (maxKoeff != 0 ? maxKoeff + 0.5 : 1.0));
        FUZZ_CHECK(std::isfinite(listing.axisMaximum) && listing.axisMaximum > 0);

        qsizetype bar = 0;
        for (qsizetype r = rows - 1; r >= 0; --r) {
            const History::Row &row = listing.rows[r];
            double k = 0;
            if (row.name.isEmpty() || !NumberText::ToDouble(row.Koeff, &k))
                continue;
            FUZZ_CHECK(bar < listing.bars.size());
            const History::Bar &b = listing.bars[bar++];
            FUZZ_CHECK(b.value == k);
            // The first ten characters, or the whole date before a blank and
            // the time: a start of the name of at most 16 characters.
            if (b.label != Reference::FirstCharacters(row.name, 10)) {
                FUZZ_CHECK(!b.label.isEmpty() && b.label.size() <= 16 && row.name.startsWith(b.label));
                FUZZ_CHECK(row.name.size() > b.label.size() && row.name.at(b.label.size()).isSpace());
            }
            FUZZ_CHECK(b.red == Colours[r % 6][0] && b.green == Colours[r % 6][1] && b.blue == Colours[r % 6][2]);
        }
        FUZZ_CHECK(bar == listing.bars.size());
    }
    Profile::RemoveMemoryFiles();
    return 0;
}
