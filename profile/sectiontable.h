#pragma once

// Finding a section by its name, without regard to letter case.

#include <QHash>
#include <QString>

namespace Profile {

// The key under which a name is found without regard to letter case: the
// name case-folded, except that the lone surrogates standing for bytes that
// are not UTF-8 stay as they are; folding would make them all one
// replacement character, and "Gr\xF6\xDFe" the same name as "Gr\xFC\xDFe".
QString FoldedName(const QString &name);

// The first section of each name in a file: a name given twice (by hand,
// in another letter case) is found at its first section.
class FirstSections
{
public:
    // Notes section i under its name, unless an earlier one has that name;
    // returns the first section of the name.
    qsizetype Add(const QString &name, qsizetype i)
    {
        const QString folded = FoldedName(name);
        const auto it = m_first.constFind(folded);
        if (it != m_first.constEnd())
            return it.value();
        m_first.insert(folded, i);
        return i;
    }
    // The first section of that name, or -1.
    qsizetype Find(const QString &name) const { return m_first.value(FoldedName(name), -1); }
    void Clear() { m_first.clear(); }

private:
    QHash<QString, qsizetype> m_first; // folded name -> first section
};

} // namespace Profile
