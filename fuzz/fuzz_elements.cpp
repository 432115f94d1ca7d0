// Splitting a Data value into Elements and joining lines into one: the
// split keeps empty Elements between commas and drops a final empty one;
// the ElementList sees the same Elements; joining what was split gives the
// value back without its empty Elements; splitting what was joined gives
// the lines back, each line with a comma counting as several.
//
// The input is the text of a Data value, which is also read as lines.

#include "fuzz/reference.h"
#include "library/modules.h"
#include "profile/bytetext.h"

namespace {

// A Data value as the rules split it: every part between commas, but a
// final empty part is no Element.
QStringList elementsOf(const QString &data)
{
    QStringList parts = Reference::AllParts(data);
    if (parts.last().isEmpty())
        parts.removeLast();
    return parts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = Profile::DecodeBytes(QByteArrayView(data, qsizetype(size)));

    const QStringList split = Modules::SplitElements(text);
    FUZZ_CHECK(split == elementsOf(text));

    const Modules::ElementList list(text);
    FUZZ_CHECK(list.Size() == split.size());
    FUZZ_CHECK(list.IsEmpty() == split.isEmpty());
    FUZZ_CHECK(list.ToStringList() == split);
    for (qsizetype i = 0; i < split.size(); ++i) {
        FUZZ_CHECK(list.At(i) == split[i]);
        FUZZ_CHECK(list.IndexOf(split[i]) == split.indexOf(split[i]));
    }
    FUZZ_CHECK(list.IndexOf(QString(text + QLatin1Char('!'))) == -1);

    // Joined again: the value without its empty Elements, and a final ","
    // when the last ends in a blank, which reading would trim; the same
    // value when it had none.
    QStringList nonEmpty = split;
    nonEmpty.removeAll(QString());
    const QString joined = Modules::JoinElements(split);
    const QString plain = nonEmpty.join(QLatin1Char(','));
    const bool blankLast = !plain.isEmpty() && plain.back().unicode() <= 0x20;
    FUZZ_CHECK(joined == (blankLast ? plain + QLatin1Char(',') : plain));
    FUZZ_CHECK(Modules::SplitElements(joined) == nonEmpty);
    if (!split.contains(QString()) && !text.endsWith(QLatin1Char(',')))
        FUZZ_CHECK(plain == text);

    // The text as the editor's lines: lines without a character are
    // skipped, and every comma in a line splits it when read back.
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QString value = Modules::JoinElements(lines);
    QStringList expected;
    for (const QString &line : lines) {
        if (!line.isEmpty())
            expected += Reference::AllParts(line);
    }
    if (!expected.isEmpty() && expected.last().isEmpty())
        expected.removeLast();
    FUZZ_CHECK(Modules::SplitElements(value) == expected);
    const Modules::ElementList joinedList(value);
    FUZZ_CHECK(joinedList.ToStringList() == expected);
    return 0;
}
