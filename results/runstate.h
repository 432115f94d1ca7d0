#pragma once

#include <QDateTime>
#include <QString>

// What a Training or Exam ran on: the Module's name and the texts of the
// first and last Element of its range, as the options held them at the
// start. Empty for the Introductory Test.
struct RunModule
{
    QString name;
    QString from;
    QString to;
};

// The state of the current test run, held by the main window.
struct RunState
{
    // 1 Introductory Test, 2 Training, 3 Exam; 0 before the first run, after
    // a finished run and after a run ended for slowness.
    qint32 TestMode = 0;
    QDateTime StartDateTime; // the confirmed start; names the stored result
    quint32 StartTick = 0;   // tick count at the confirmed start
    quint32 EndTick = 0;     // tick count at the end of the presentation phase
    RunModule Module{};      // set by the launcher at the confirmed start
};
