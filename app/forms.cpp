#include "app/forms.h"

#include "app/frmhelp.h"
#include "app/frmmain.h"
#include "engine/frmexe.h"
#include "engine/frmtest.h"
#include "library/frmmodules.h"
#include "library/frmname.h"
#include "library/frmoptions.h"
#include "results/frmresults.h"

Forms CreateForms()
{
    Forms f;
    f.frm_main = new Tfrm_main();
    f.frm_test = new Tfrm_test(f.frm_main);
    f.frm_exe = new Tfrm_exe(f.frm_main);
    f.frm_results = new Tfrm_results(f.frm_main);
    f.frm_modules = new Tfrm_modules(f.frm_main);
    f.frm_name = new Tfrm_name(f.frm_main);
    f.frm_options = new Tfrm_options(f.frm_main);
    f.frm_help = new Tfrm_help(f.frm_main);
    f.frm_main->SetPeers(f.frm_test, f.frm_results, f.frm_modules, f.frm_options, f.frm_help);
    f.frm_test->SetPeers(f.frm_main, f.frm_exe, f.frm_results, f.frm_options);
    f.frm_modules->SetNamePrompt(f.frm_name);
    return f;
}

void DestroyForms(Forms &forms)
{
    delete forms.frm_main; // owns the dialogs
    forms = Forms{};
}
