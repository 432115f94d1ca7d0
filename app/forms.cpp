#include "app/forms.h"

#include "app/frmhelp.h"
#include "app/frmmain.h"
#include "engine/frmexe.h"
#include "engine/frmtest.h"
#include "library/frmmodules.h"
#include "library/frmname.h"
#include "library/frmoptions.h"
#include "platform/accessible.h"
#include "results/frmresults.h"

Forms CreateForms()
{
    Accessible::Install();
    Forms f;
    Tfrm_main *main = new Tfrm_main();
    f.frm_main = main;
    f.frm_exe = LazyForm<Tfrm_exe>([main] { return new Tfrm_exe(main); });
    f.frm_name = LazyForm<Tfrm_name>([main] { return new Tfrm_name(main); });
    f.frm_options = new Tfrm_options(main);
    f.frm_results = LazyForm<Tfrm_results>([main, options = f.frm_options] {
        auto *results = new Tfrm_results(main);
        results->SetOptions(options);
        return results;
    });
    f.frm_help = LazyForm<Tfrm_help>([main] { return new Tfrm_help(main); });
    f.frm_test = LazyForm<Tfrm_test>([main, exe = f.frm_exe, results = f.frm_results] {
        auto *test = new Tfrm_test(main);
        test->SetPeers(main, exe, results);
        return test;
    });
    f.frm_modules = LazyForm<Tfrm_modules>([main, name = f.frm_name] {
        auto *modules = new Tfrm_modules(main);
        modules->SetNamePrompt(name);
        return modules;
    });
    main->SetPeers(f.frm_test, f.frm_results, f.frm_modules, f.frm_options, f.frm_help);
    return f;
}

void DestroyForms(Forms &forms)
{
    delete forms.frm_main; // owns the dialogs
    forms = Forms{};
}
