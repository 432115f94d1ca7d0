#pragma once

class Tfrm_main;
class Tfrm_test;
class Tfrm_exe;
class Tfrm_results;
class Tfrm_modules;
class Tfrm_name;
class Tfrm_options;
class Tfrm_help;

// The program's eight windows, created once at start-up in this order and
// alive until the program ends.
struct Forms
{
    Tfrm_main *frm_main = nullptr;
    Tfrm_test *frm_test = nullptr;
    Tfrm_exe *frm_exe = nullptr;
    Tfrm_results *frm_results = nullptr;
    Tfrm_modules *frm_modules = nullptr;
    Tfrm_name *frm_name = nullptr;
    Tfrm_options *frm_options = nullptr;
    Tfrm_help *frm_help = nullptr;
};

// Creates the windows (none is shown) and connects them.
Forms CreateForms();
// Deletes them, the main window last.
void DestroyForms(Forms &forms);
