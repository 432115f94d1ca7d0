#include "platform/speech.h"

namespace Speech {

#ifdef TENACIO_SPEECH
// speechqt.cpp
std::unique_ptr<Speaker> CreateQtSpeaker();
QStringList QtEngines();
#endif

namespace {

std::function<std::unique_ptr<Speaker>()> &factory()
{
    static std::function<std::unique_ptr<Speaker>()> f;
    return f;
}

} // namespace

Speaker::~Speaker() = default;

bool Built()
{
#ifdef TENACIO_SPEECH
    return true;
#else
    return false;
#endif
}

std::unique_ptr<Speaker> Create()
{
    if (factory())
        return factory()();
#ifdef TENACIO_SPEECH
    return CreateQtSpeaker();
#else
    return nullptr;
#endif
}

void SetFactory(std::function<std::unique_ptr<Speaker>()> f) { factory() = std::move(f); }

QStringList Engines()
{
#ifdef TENACIO_SPEECH
    return QtEngines();
#else
    return {};
#endif
}

} // namespace Speech
