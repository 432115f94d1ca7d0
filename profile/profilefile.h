#pragma once

// Access to the program's INI files (UTF-8 text, one header line
// "[name]" per section followed by its "key=value" lines).
//
// Direct access holds only the path: every read asks the file (through a
// parse that is reused while the file on disk is unchanged) and every
// write replaces the file at once, touching only the line or section
// concerned. In-memory access loads the whole file into an ordered copy;
// reads and writes work on the copy and WriteBack replaces the file with
// it. Section and key names match without regard to letter case.
//
// Every write goes to a new file that is renamed into place, so the file
// on disk is always its old or its new content (see Profile::ReplaceFile
// for links, owners and hard links). Failures raise AppError with the
// system's reason; a file without any write permission bit raises
// "Unable to write to <path>. The file is read-only." for either access.
// A direct write holds Profile::FileLock from its read to its write; an
// in-memory read-modify-write takes that lock itself, before it loads.
//
// A UTF-8 byte-order mark at the start of a file is read past and kept.
// Bytes that are not UTF-8 come back as lone surrogates and are written
// back as the same bytes (see profile/bytetext.h).

#include "profile/inicopy.h"
#include "profile/sectiontable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

class ProfileFile
{
public:
    enum class Access { Direct, InMemory };

    // One value to write, for WriteTexts.
    struct Entry
    {
        QString section;
        QString key;
        QString value;
    };

    // Longest value that direct access returns, in characters.
    static constexpr int DirectValueLimit = 2047;
    // Bytes of section names that direct ListSections returns, each name
    // with a terminator, plus a final terminator.
    static constexpr int DirectSectionNamesLimit = 16384;

    // Opening never creates the file. In-memory access loads it here and
    // raises "Cannot open file "%s". %s" when it exists but can't be read.
    ProfileFile(const QString &path, Access access);
    ~ProfileFile();
    ProfileFile(const ProfileFile &) = delete;
    ProfileFile &operator=(const ProfileFile &) = delete;

    const QString &Path() const { return m_path; }

    // The section names in file order; with maxCount >= 0 only the first
    // maxCount of them, which spares direct access reading the rest.
    void ListSections(QStringList &list, int maxCount = -1) const;
    QString ReadText(const QString &section, const QString &key, const QString &defaultText) const;
    // Direct: ReadText's value without the cut at DirectValueLimit, for a
    // value that must come back whole to match what it names (a range
    // bound, a Module name). In-memory: as ReadText.
    QString ReadWholeText(const QString &section, const QString &key, const QString &defaultText) const;
    qint32 ReadNumber(const QString &section, const QString &key, qint32 defaultValue) const;
    // A digest of a value's bytes as the file keeps them, an absent value
    // counting as empty: two values are the same text exactly when their
    // digests are equal, and a copy tells it without decoding the value.
    QByteArray ValueDigest(const QString &section, const QString &key) const;
    // Direct: raises "Unable to write to %s".
    void WriteText(const QString &section, const QString &key, const QString &value);
    void WriteNumber(const QString &section, const QString &key, qint32 value);
    // Writes the values in order, as WriteText one after another would,
    // but direct access replaces the file once: all of them or, when
    // that write fails, none.
    void WriteTexts(const QList<Entry> &entries);
    void DeleteSection(const QString &section);
    // Deletes the sections of all those names in one write (direct access
    // replaces the file once): each name takes the first section of that
    // name still there, as one DeleteSection after another would.
    void DeleteSections(const QStringList &sections);
    // In-memory: the section becomes an empty one named newName in the
    // same place; nothing happens when there is no such section.
    void RenewSection(const QString &section, const QString &newName);
    // A whole section to write, for WriteSections: the lines of `written`
    // under its name in place of the first section named `section`, or
    // that section deleted when `written` is null.
    struct SectionEntry
    {
        QString section;
        const Profile::CopySection *written = nullptr;
    };
    // Writes the sections in order: a section is replaced where it stands
    // (the blank lines after it kept), deleted, or added at the end when
    // the file lacks it. Direct access replaces the file once and keeps
    // every byte of the other sections.
    void WriteSections(const QList<SectionEntry> &entries);
    // In-memory: replaces the file with the copy; raises
    // "Cannot create file "%s". %s" and keeps the copy on failure.
    void WriteBack();
    // In-memory: empties the copy.
    void DiscardCopy();

    // In-memory: whether the copy has a section of that name.
    bool HasSection(const QString &section) const;

    // Whether the file is one this program can make sense of: a file of
    // sections, or one of nothing but blanks and comments (a missing file
    // too). A file that is not (binary junk, a UTF-16 text, text without
    // a single section) is never rewritten: WriteBack and direct writes
    // refuse, so that what it holds is not replaced by less.
    bool Recognisable() const;
    // Why the file can't be used as it is: the system's reason when it
    // exists but can't be read, a word on its content when it is not
    // recognisable; empty when all is well.
    QString ReadProblem() const;

private:
    using Section = Profile::CopySection;

    int findSection(const QString &name) const;
    // ReadText with direct values cut at `limit` characters (negative: none).
    QString readText(const QString &section, const QString &key, const QString &defaultText, int limit) const;
    void writeToCopy(const QString &section, const QString &key, const QString &value);
    static int findKey(const Section &section, const QString &key);
    // Section i with its lines decoded: a copy decodes a section's lines
    // only when they are first read or written, so that reading the names
    // and one section of a large file decodes nothing else.
    Section &decoded(int i) const;
    // Whether section i's lines are still bytes; then *value is the bytes
    // of the key's value and *found whether the key is there.
    bool undecodedValue(int i, const QString &key, QByteArrayView *value, bool *found) const;

    QString m_path;
    Access m_access;
    mutable QVector<Section> m_sections; // in-memory copy
    // Per section of the copy: its lines' bytes in m_bytes while they are
    // not decoded, else empty.
    mutable QVector<QByteArrayView> m_undecoded;
    QByteArray m_bytes; // the loaded file, while a section is not decoded
    // Direct: the parse of the file this object last read, kept while it
    // lives so that its reads share one parse; once the last holder is
    // gone, the file's bytes go with it.
    mutable std::shared_ptr<void> m_heldParse;
    bool m_bom = false; // the loaded file began with a byte-order mark, kept by WriteBack
    bool m_recognisable = true;
};

namespace Profile {

// The number conversion of ReadNumber: decimal, or hexadecimal after "$",
// "x" or "0x"; 32-bit range; false when the text is not such a number.
bool ParseNumber(const QString &text, qint32 *value);

// A name or value as the files keep it: blanks and control characters
// at its ends removed.
QStringView Trimmed(QStringView text);

// The stored value as direct access returns it: blanks at the ends removed,
// one pair of enclosing quotes removed, cut to DirectValueLimit characters.
QString DirectValue(const QString &stored);

// The stored value bytes of a key as direct access returns them: one pair
// of enclosing quotes removed, decoded, cut to `limit` characters
// (decoding no more than the limit can need); a negative limit cuts nothing.
QString DirectValueOf(QByteArrayView stored, int limit = ProfileFile::DirectValueLimit);

// The text to store for a value that direct access must give back as it
// is: a value with a blank or control character at an end, or one held
// between a pair of like quotes, goes between double quotes, which the
// read removes again; any other value is stored unchanged, as it always was.
QString DirectStored(const QString &value);

// Adds a section with these lines ("key=value") after everything a file
// holds, without reading the rest of it: the file's bytes stay as they are
// (see Profile::ReplaceFileAppending), followed by a line break where its
// last line has none, an empty line after a last line that holds
// something, the section and an empty line, each line ended as the file's
// first line is (CR LF in a new file). A missing file is made. Takes the
// FileLock. Raises AppError as in-memory access would opening and writing
// the file back, and refuses a file that is not Recognisable.
void AppendSection(const QString &path, const QString &section, const QStringList &lines);
// The same for several sections in one write, in their order.
void AppendSections(const QString &path, const QVector<CopySection> &sections);

// Drops the parses that direct access keeps of files. (A parse lives only
// while a ProfileFile that read it does; this forgets even those.)
void ClearDirectCache();

} // namespace Profile
