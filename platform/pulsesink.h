#pragma once

// The sound server's playback stream behind the SoundSink seam, for the
// eSpeak NG speaker (speechespeak.cpp); only in a build with speech.

#include "platform/speech.h"

namespace Speech {

// The piece the player writes at a time: a clip starts as soon as its
// first piece is at the server.
constexpr int PieceMs = 10;
// The server's buffer ahead of the sound heard: long enough that a busy
// machine, where the player may wait a while for the processor, does not
// leave the server without sound (300 ms did not hold beside a build).
constexpr int BufferMs = 1000;

// A playback stream of signed 16-bit mono sound at this sample rate; a
// SinkOpener. nullptr with `why` set when the server can't be reached.
std::unique_ptr<SoundSink> OpenPulseSink(int sampleRate, QString &why);

} // namespace Speech
