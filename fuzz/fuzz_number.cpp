// The number conversion of ReadNumber and of the launcher agrees with the
// number rules on any text.

#include "fuzz/reference.h"
#include "platform/platform.h"
#include "profile/profilefile.h"

namespace {

void checkText(const QString &text)
{
    const std::optional<qint32> expected = Reference::Number(text);
    qint32 value = 12345;
    FUZZ_CHECK(Profile::ParseNumber(text, &value) == expected.has_value());
    FUZZ_CHECK(value == expected.value_or(12345));
    value = 12345;
    FUZZ_CHECK(Platform::TryStrToInt(text, &value) == expected.has_value());
    FUZZ_CHECK(value == expected.value_or(12345));
    FUZZ_CHECK(Platform::TryStrToInt(text, nullptr) == expected.has_value());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 256)
        return 0;
    const QByteArrayView bytes(data, qsizetype(size));
    // As UTF-8, and byte for character, so that any character and any
    // byte reaches the conversion.
    checkText(QString::fromUtf8(bytes));
    checkText(QString::fromLatin1(bytes));
    return 0;
}
