#pragma once

#include "results/runstate.h"

#include <QString>

// What the runner needs of the main window.
class RunHost
{
public:
    virtual ~RunHost() = default;
    virtual RunState &CurrentRunState() = 0;
    // Focuses the main window and shows a plain message; returns when closed.
    virtual void ShowMainMessage(const QString &text) = 0;
    // The history reload after a finished run.
    virtual void ReloadHistory() = 0;
};
