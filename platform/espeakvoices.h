#pragma once

// Which of eSpeak NG's voices the program offers and which one reads a
// run. A stored voice (`TVoice`) is one of:
//   "German"       a language's voice by eSpeak NG's name, as it sounds by itself;
//   "German+f2"    that voice with one of eSpeak NG's variants of its sound;
//   "+f2"          the language the texts choose (DefaultLanguage), with a variant;
//   "mb-en1"       an MBROLA voice, where the MBROLA program and the voice are installed;
//   ""             the language the texts choose, in the voice clearest for digits.
// The rules here need no engine: the listing comes from eSpeak NG's (or a
// test's), whether an MBROLA voice is installed from a function.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace Speech {

// A voice as eSpeak NG lists it.
struct EspeakVoice
{
    QString name;       // "German", "female2", "english-mbrola-1"
    QString identifier; // "gmw/de", "!v/f2", "mb/mb-en1"
    QString language;   // the first it speaks: "de"; empty for a variant
};

// What the program offers of them.
struct EspeakVoices
{
    // The languages' voices and the MBROLA voices that can speak, by the
    // name they are chosen by ("German", "mb-en1"), sorted for people.
    QList<EspeakVoice> voices;
    // The MBROLA voices eSpeak NG knows whose voice (or the MBROLA
    // program) is missing: a stored one falls back to its language.
    QList<EspeakVoice> missing;
    // The variants by the name after '+' ("f2", "klatt"): men, women, the
    // Klatt voices in order of their number, then the others by name.
    QStringList variants;
};

// Sorts eSpeak NG's listing (languages' voices, "mb/" and "!v/" ones in
// any order) into what is offered. `mbrolaInstalled` is asked for each
// MBROLA voice by its database's name ("en1").
EspeakVoices SortEspeakVoices(const QList<EspeakVoice> &listed,
                              const std::function<bool(const QString &database)> &mbrolaInstalled);

// Whether the MBROLA program is on the PATH and the voice's database
// ("en1") is where eSpeak NG looks for it.
bool MbrolaInstalled(const QString &database);

// The variant that reads digits clearest in a language, found by letting a
// speech recogniser judge the numbers each variant says (README,
// scripts/voiceclarity); empty where the voice by itself is clearest or no
// recogniser could judge.
QString ClearestVariant(const QString &language);

// How to set up the engine for a stored voice.
struct VoiceChoice
{
    QString identifier; // eSpeak NG's of the voice ("gmw/de"); empty: the one for `language`
    QString language;   // when `identifier` is empty
    QString variant;    // "f2"; empty: the voice as it is
    // Why the stored voice can't read and what reads in its place, for
    // the user; empty when it can.
    QString notice;
    // Why nothing can read; empty when something can.
    QString problem;
};
// `textsLanguage` is DefaultLanguage of the run's texts.
VoiceChoice ChooseVoice(const QString &stored, const QString &textsLanguage, const EspeakVoices &offered);

// A variant by a name in the user's words ("female 2", "Klatt 3",
// "whispering"), else by eSpeak NG's with blanks for underscores.
QString ShownVariant(const QString &variant);

} // namespace Speech
