// The shipped translations against the texts the program shows: every text
// that lupdate finds in the sources has a finished entry in each shipped
// language, with the same placeholders and the same number of mnemonics.
// A text wrapped in tr() but never translated, or a translation that drops
// a %1 or an &, fails here rather than on a user's screen.

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Entry
{
    // One text, or one per plural form for a text with a count (%n).
    QStringList forms;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

// Context and source text -> entry.
using Catalogue = QMap<QPair<QString, QString>, Entry>;

Catalogue readTs(const QString &path, QString *error)
{
    Catalogue out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return out;
    }
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            Entry e;
            e.type = xml.attributes().value(QLatin1String("type")).toString();
            // Plain text, or <numerusform> elements, one per plural form.
            QString text;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters())
                    text += xml.text();
                else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    e.forms << xml.readElementText();
                else if (xml.isEndElement() && xml.name() == QLatin1String("translation"))
                    break;
            }
            if (e.forms.isEmpty())
                e.forms << text;
            out.insert({context, source}, e);
        }
    }
    if (xml.hasError())
        *error = path + QStringLiteral(": ") + xml.errorString();
    return out;
}

// The placeholders, in order of their numbers: "%2 … %1" and "%1 … %2"
// both give {%1, %2}, as a translation may reorder them.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("%(\\d+)"));
    QStringList out;
    for (auto it = re.globalMatch(text); it.hasNext();)
        out << it.next().captured(0);
    out.sort();
    return out;
}

// An & that underlines the next letter; && is an ampersand shown.
int mnemonics(const QString &text)
{
    int count = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) == QLatin1Char('&'))
            ++i;
        else
            ++count;
    }
    return count;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checks_data();
    void checks();
    void avoidsMisleadingTerms_data();
    void avoidsMisleadingTerms();
    void countsMnemonicsAndPlaceholders_data();
    void countsMnemonicsAndPlaceholders();
    void english_everyCountInItsPluralForms_data();
    void english_everyCountInItsPluralForms();
};

void TestTranslations::checks_data()
{
    QTest::addColumn<QString>("shipped");
    for (const QString &path : QStringLiteral(TENACIO_TS_FILES).split(QLatin1Char('|')))
        QTest::newRow(qPrintable(path.section(QLatin1Char('/'), -1))) << path;
}

void TestTranslations::checks()
{
    QFETCH(QString, shipped);
    QString error;
    const Catalogue current = readTs(QStringLiteral(TENACIO_SOURCE_TEXTS), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const Catalogue translated = readTs(shipped, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(current.size() > 100); // lupdate found the program's texts

    QStringList faults;
    for (auto it = current.cbegin(); it != current.cend(); ++it) {
        const QString where = it.key().first + QStringLiteral(" \"") + it.key().second + QLatin1Char('"');
        const auto found = translated.constFind(it.key());
        if (found == translated.cend()) {
            faults << where + QStringLiteral(": no entry");
            continue;
        }
        if (!found->type.isEmpty() || found->forms.contains(QString())) {
            faults << where + QStringLiteral(": not finished");
            continue;
        }
        // Every plural form shows the count: the form for one serves 21 too.
        const bool counted = it.key().second.contains(QLatin1String("%n"));
        for (const QString &translation : found->forms) {
            if (placeholders(translation) != placeholders(it.key().second))
                faults << where + QStringLiteral(": placeholders differ in \"") + translation + QLatin1Char('"');
            if (counted && !translation.contains(QLatin1String("%n")))
                faults << where + QStringLiteral(": no %n in \"") + translation + QLatin1Char('"');
            if (mnemonics(translation) != mnemonics(it.key().second))
                faults << where + QStringLiteral(": mnemonics differ in \"") + translation + QLatin1Char('"');
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestTranslations::avoidsMisleadingTerms_data()
{
    QTest::addColumn<QString>("shipped"); // the file's name
    QTest::addColumn<QString>("avoided"); // a pattern no translation may hold
    // clang-format off
    // The marks run from 2 (worst) up; a German reads "Note 2" as good.
    QTest::newRow("de: a mark is a Stufe") << QStringLiteral("tenacio_de.ts") << QStringLiteral("\\bNoten?\\b");
    // "оценка" is the mark alone; the Koeff and the scoring have words of their own.
    QTest::newRow("ru: the Koeff and the scoring are no mark") << QStringLiteral("tenacio_ru.ts") << QStringLiteral("[Сс]истема оценки|оценка попытки");
    QTest::newRow("ru: Koeff in Cyrillic letters") << QStringLiteral("tenacio_ru.ts") << QStringLiteral("Koeff");
    // clang-format on
}

void TestTranslations::avoidsMisleadingTerms()
{
    QFETCH(QString, shipped);
    QFETCH(QString, avoided);
    QString path;
    for (const QString &candidate : QStringLiteral(TENACIO_TS_FILES).split(QLatin1Char('|'))) {
        if (candidate.endsWith(QLatin1Char('/') + shipped))
            path = candidate;
    }
    QVERIFY2(!path.isEmpty(), qPrintable(shipped + QStringLiteral(" is not shipped")));
    QString error;
    const Catalogue translated = readTs(path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(translated.size() > 100);
    const QRegularExpression pattern(avoided);
    QVERIFY(pattern.isValid());
    QStringList found;
    for (auto it = translated.cbegin(); it != translated.cend(); ++it) {
        for (const QString &translation : it->forms) {
            if (pattern.match(translation).hasMatch())
                found << it.key().first + QStringLiteral(" \"") + it.key().second + QStringLiteral("\": ")
                             + translation;
        }
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

void TestTranslations::countsMnemonicsAndPlaceholders_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("mnemonics");
    QTest::addColumn<QStringList>("placeholders");
    // clang-format off
    QTest::newRow("none") << QStringLiteral("Report") << 0 << QStringList();
    QTest::newRow("mnemonic") << QStringLiteral("Delete &All") << 1 << QStringList();
    QTest::newRow("ampersand shown") << QStringLiteral("Tom && Jerry") << 0 << QStringList();
    QTest::newRow("both") << QStringLiteral("A&&B &Cut") << 1 << QStringList();
    QTest::newRow("trailing") << QStringLiteral("Cut&") << 0 << QStringList();
    QTest::newRow("reordered") << QStringLiteral("%2 of %1") << 0 << QStringList{QStringLiteral("%1"), QStringLiteral("%2")};
    QTest::newRow("two digits") << QStringLiteral("%10 and %1") << 0 << QStringList{QStringLiteral("%1"), QStringLiteral("%10")};
    // clang-format on
}

void TestTranslations::countsMnemonicsAndPlaceholders()
{
    QFETCH(QString, text);
    QFETCH(int, mnemonics);
    QFETCH(QStringList, placeholders);
    QCOMPARE(::mnemonics(text), mnemonics);
    QCOMPARE(::placeholders(text), placeholders);
}

void TestTranslations::english_everyCountInItsPluralForms_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("1 digit") << "Tfrm_options" << "%n digit(s)" << 1 << "1 digit";
    QTest::newRow("4 digits") << "Tfrm_options" << "%n digit(s)" << 4 << "4 digits";
    QTest::newRow("0 digits") << "Tfrm_test" << "Type the %n digit(s) as one line" << 0 << "Type the 0 digits as one line";
    QTest::newRow("1 list due") << "Keeping" << "%n lists due today" << 1 << "1 list due today";
    // clang-format on
}

// The English catalogue (plural forms alone, loaded for English) has both
// forms of every text with a count, and no "(s)" left in them.
void TestTranslations::english_everyCountInItsPluralForms()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(int, count);
    QFETCH(QString, shown);
    QString error;
    const Catalogue current = readTs(QStringLiteral(TENACIO_SOURCE_TEXTS), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const Catalogue english = readTs(QStringLiteral(TENACIO_ENGLISH_TS), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QStringList faults;
    for (auto it = current.cbegin(); it != current.cend(); ++it) {
        if (!it.key().second.contains(QLatin1String("%n")))
            continue;
        const auto found = english.constFind(it.key());
        if (found == english.cend() || !found->type.isEmpty() || found->forms.size() != 2
            || found->forms.contains(QString()) || found->forms.join(QString()).contains(QLatin1String("(s)")))
            faults << it.key().first + QStringLiteral(" \"") + it.key().second + QLatin1Char('"');
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(TENACIO_ENGLISH_QM)));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString got = QCoreApplication::translate(qPrintable(context), qPrintable(source), nullptr, count);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(got, shown);
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
