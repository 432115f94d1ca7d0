#pragma once

// The Test menu's launcher: sets the mode, asks "Press OK to start",
// records the start and shows the runner with the mode's parameters.

class RunHost;
class Tfrm_options;
class Tfrm_test;

namespace Launch {

// est11Click: TestMode 1, caption "Introductory Test".
void Introductory(RunHost &host, Tfrm_test *test, Tfrm_options *options);
// est21Click: nothing when no Training Module is chosen; else TestMode 2, "Trening".
void Training(RunHost &host, Tfrm_test *test, Tfrm_options *options);
// Exam1Click: nothing when no Exam Module is chosen; else TestMode 3, "Exam".
void Exam(RunHost &host, Tfrm_test *test, Tfrm_options *options);
// StartTestRun: the common launcher for the current TestMode.
void StartTestRun(RunHost &host, Tfrm_test *test, Tfrm_options *options);

} // namespace Launch
