#pragma once

// The Test menu's launcher: sets the mode, asks "Press OK to start",
// records the start and shows the runner with the mode's parameters.

#include "library/settings.h"

class RunHost;
class Tfrm_options;
class Tfrm_test;

namespace Launch {

// est11Click: TestMode 1, caption "Introductory Test".
void Introductory(RunHost &host, Tfrm_test *test, Tfrm_options *options);
// est21Click: TestMode 2, "Trening", with the Settings in force
// (Tfrm_options::InForce). When the options name no Training Module, or one
// the library no longer holds, a message says so and points to the Modules
// menu; nothing starts. When they hold a value they could not have set, a
// message says once what is used instead.
void Training(RunHost &host, Tfrm_test *test, Tfrm_options *options);
// Exam1Click: the same for the Exam Module; TestMode 3, "Exam".
void Exam(RunHost &host, Tfrm_test *test, Tfrm_options *options);
// StartTestRun: the common launcher for the current TestMode.
void StartTestRun(RunHost &host, Tfrm_test *test, Tfrm_options *options);

// The Training of a kept Module: the Training's timer and switches in
// force, on the whole Module (its first to its last Element, as many as it
// has), drawn in order for a sequence and shuffled for a set.
Settings::RunOptions KeptTraining(const Settings::RunOptions &training, const QString &module,
                                  const Modules::ElementList &elements, bool sequence);
// Starts a Training (TestMode 2, "Trening") with these Settings instead of
// the options' own, asking and checking as StartTestRun does; the options
// stay as they are.
void TrainingOn(RunHost &host, Tfrm_test *test, const Settings::RunOptions &run);

} // namespace Launch
