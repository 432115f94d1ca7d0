#include "app/forms.h"

#include "app/frmhelp.h"
#include "app/frmmain.h"
#include "engine/frmexe.h"
#include "engine/frmtest.h"
#include "library/frmmodules.h"
#include "library/frmname.h"
#include "library/frmoptions.h"
#include "results/frmresults.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>

namespace {

// A screen reader names a drop-down by its label and asks the drop-down's
// own name for the value it shows, as this Qt gives no other: every
// drop-down of the program, when first shown, is named after its value
// from then on ("Module shown: All Modules").
class DropDownNamer : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            if (auto *box = qobject_cast<QComboBox *>(watched); box && !box->property(Hooked).toBool())
                hook(box);
        return QObject::eventFilter(watched, event);
    }

private:
    static constexpr const char *Hooked = "tenacio_named_by_value";

    static void hook(QComboBox *box)
    {
        box->setProperty(Hooked, true);
        const QString field = box->accessibleName();
        const auto name = [box, field] {
            const QString value = box->currentText();
            box->setAccessibleName(field.isEmpty() || value.isEmpty()
                                       ? (value.isEmpty() ? field : value)
                                       : QCoreApplication::translate("Forms", "%1: %2").arg(field, value));
        };
        name();
        QObject::connect(box, &QComboBox::currentTextChanged, box, name);
    }
};

} // namespace

Forms CreateForms()
{
    static DropDownNamer *namer = [] {
        auto *n = new DropDownNamer(qApp);
        qApp->installEventFilter(n);
        return n;
    }();
    Q_UNUSED(namer);
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
    f.frm_test = LazyForm<Tfrm_test>([main, exe = f.frm_exe, results = f.frm_results, options = f.frm_options] {
        auto *test = new Tfrm_test(main);
        test->SetPeers(main, exe, results, options);
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
