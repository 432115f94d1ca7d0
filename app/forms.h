#pragma once

#include "app/lazyform.h"

class Tfrm_main;
class Tfrm_test;
class Tfrm_exe;
class Tfrm_results;
class Tfrm_modules;
class Tfrm_name;
class Tfrm_options;
class Tfrm_help;

// The program's eight windows, each made once and alive until the program
// ends. The main window and the options dialog, which holds the Settings in
// force from the first show on, are made at start-up; the other dialogs the
// first time anything reaches for them.
struct Forms
{
    Tfrm_main *frm_main = nullptr;
    LazyForm<Tfrm_test> frm_test;
    LazyForm<Tfrm_exe> frm_exe;
    LazyForm<Tfrm_results> frm_results;
    LazyForm<Tfrm_modules> frm_modules;
    LazyForm<Tfrm_name> frm_name;
    Tfrm_options *frm_options = nullptr;
    LazyForm<Tfrm_help> frm_help;
};

// Creates the windows (none is shown) and connects them.
Forms CreateForms();
// Deletes them, the main window last.
void DestroyForms(Forms &forms);
