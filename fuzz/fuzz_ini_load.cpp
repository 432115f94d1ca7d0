// The INI loader of in-memory access: any bytes load into what the loading
// rules say, byte for byte; written back and loaded again they give the
// same sections, keys and values, and writing that again the same bytes.

#include "fuzz/reference.h"
#include "platform/platform.h"
#include "profile/bytetext.h"
#include "profile/memoryfiles.h"
#include "profile/profilefile.h"

namespace {

bool sameCopy(const Profile::Copy &a, const Profile::Copy &b)
{
    if (a.bom != b.bom || a.sections.size() != b.sections.size())
        return false;
    for (qsizetype i = 0; i < a.sections.size(); ++i) {
        if (a.sections[i].name != b.sections[i].name || a.sections[i].lines != b.sections[i].lines)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // No copy: an overrun of the fuzzer's own buffer is caught.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));

    const Reference::File expected = Reference::Load(bytes);
    const Profile::Copy copy = Profile::LoadCopy(bytes);
    FUZZ_CHECK(copy.bom == expected.bom);
    FUZZ_CHECK(copy.recognisable == expected.recognisable);
    FUZZ_CHECK(copy.sections.size() == expected.sections.size());
    FUZZ_CHECK(Profile::CountSectionsInMemory(bytes) == expected.sections.size());
    for (qsizetype i = 0; i < copy.sections.size(); ++i) {
        const Profile::CopySection &section = copy.sections[i];
        FUZZ_CHECK(Profile::EncodeText(section.name) == expected.sections[i].name);
        FUZZ_CHECK(section.lines.size() == expected.sections[i].lines.size());
        for (qsizetype j = 0; j < section.lines.size(); ++j)
            FUZZ_CHECK(Profile::EncodeText(section.lines[j]) == expected.sections[i].lines[j]);
    }

    // Written back: the shape the rules give, every byte of every name and
    // value kept; loaded again: the same copy.
    const QByteArray written = Profile::SaveCopy(copy.sections, copy.bom);
    FUZZ_CHECK(written == Reference::Save(expected));
    const Profile::Copy again = Profile::LoadCopy(written);
    FUZZ_CHECK(sameCopy(again, copy));
    // What could be read is written so that it can be read again.
    FUZZ_CHECK(again.recognisable || !copy.recognisable);
    FUZZ_CHECK(Profile::SaveCopy(again.sections, again.bom) == written);

    // The same through a ProfileFile: opening loads that copy, WriteBack
    // writes those bytes or, for a file it can't make sense of, nothing.
    const QString path = QStringLiteral("memory:/load.ini");
    Profile::SetMemoryFile(path, bytes);
    {
        ProfileFile file(path, ProfileFile::Access::InMemory);
        QStringList names;
        file.ListSections(names);
        FUZZ_CHECK(names.size() == copy.sections.size());
        for (qsizetype i = 0; i < names.size(); ++i)
            FUZZ_CHECK(names[i] == copy.sections[i].name);
        bool refused = false;
        try {
            file.WriteBack();
        } catch (const AppError &) {
            refused = true;
        }
        FUZZ_CHECK(refused == !copy.recognisable);
        FUZZ_CHECK(Profile::MemoryFile(path) == (refused ? bytes : written));
    }
    Profile::RemoveMemoryFiles();

    // The same bytes as UTF-16 text, to be written: its bytes read back
    // as the same bytes; and a text that stands for no byte that is not
    // UTF-8 comes back as it was, but for a lone surrogate, written as
    // U+FFFD. (Two such bytes side by side may read back as a character.)
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(char16_t(data[2 * i] | data[2 * i + 1] << 8));
    const QByteArray encoded = Profile::EncodeText(text);
    FUZZ_CHECK(Profile::EncodeText(Profile::DecodeBytes(encoded)) == encoded);
    QString expectedText = text;
    bool standsForBytes = false;
    for (qsizetype i = 0; i < expectedText.size(); ++i) {
        const QChar c = expectedText[i];
        if (c.isHighSurrogate() && i + 1 < expectedText.size() && expectedText[i + 1].isLowSurrogate())
            ++i;
        else if (c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF)
            standsForBytes = true;
        else if (c.isSurrogate())
            expectedText[i] = QChar(char16_t(0xFFFD));
    }
    if (!standsForBytes)
        FUZZ_CHECK(Profile::DecodeBytes(encoded) == expectedText);
    return 0;
}
