#include "app/conflicts.h"

#include "library/keepfile.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "profile/fileaccess.h"
#include "results/resultsstore.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// What a row shows of a Module's or an option's lines: the values, not
// the keys ("Data=a,b" as "a,b").
QString shown(const QString &lines)
{
    QStringList values;
    for (const QString &line : lines.split(QLatin1Char('\n'))) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        values.append(eq >= 0 ? line.mid(eq + 1) : line);
    }
    return values.join(QStringLiteral("; "));
}

QString fileName(const QString &path) { return QFileInfo(path).fileName(); }

bool mergeRuns(QWidget *parent, const QString &file, const QString &copy)
{
    const ResultsStore::Merged found = ResultsStore::MergeRuns(file, copy, false);
    const int missing = found.added + found.renamed;
    QString aside;
    if (missing == 0) {
        // Nothing in it that the file lacks: it only stands in the way.
        const QString reason = Profile::SetAside(copy, &aside);
        if (!reason.isEmpty())
            throw AppError(QCoreApplication::translate("Conflicts", "Cannot rename \"%1\". %2").arg(copy, reason));
        return false;
    }
    const QString question =
        QCoreApplication::translate("Conflicts",
                                    "A sync tool left a second version of %1 in the data folder: %2.\n\n"
                                    "Runs in it that the history does not show: %n. Merge them into %1? "
                                    "The copy is then renamed %2.merged and kept.",
                                    nullptr, missing)
            .arg(fileName(file), fileName(copy));
    if (!Dialogs::AskToMerge(parent, question))
        return false;
    const ResultsStore::Merged merged = ResultsStore::MergeRuns(file, copy);
    const QString reason = Profile::SetAside(copy, &aside);
    QString done =
        QCoreApplication::translate("Conflicts", "Runs merged into %1: %n", nullptr, merged.added + merged.renamed)
            .arg(fileName(file));
    if (merged.renamed > 0)
        done += QLatin1Char('\n')
                + QCoreApplication::translate(
                    "Conflicts",
                    "Of them under their name with a number added, as this computer has another run "
                    "under that name: %n",
                    nullptr, merged.renamed);
    if (merged.same > 0)
        done += QLatin1Char('\n')
                + QCoreApplication::translate("Conflicts", "Runs that were already there: %n", nullptr, merged.same);
    done +=
        QLatin1Char('\n')
        + (reason.isEmpty() ? QCoreApplication::translate("Conflicts", "The copy is kept as %1.").arg(fileName(aside))
                            : QCoreApplication::translate("Conflicts", "Cannot rename \"%1\". %2").arg(copy, reason));
    Dialogs::ShowMessage(parent, done);
    return true;
}

bool chooseLines(QWidget *parent, const QString &file, const QString &copy)
{
    QByteArray ourBytes, theirBytes;
    QString reason = Profile::ReadWholeFile(copy, &theirBytes);
    if (!reason.isEmpty())
        throw AppError(QCoreApplication::translate("Files", "Cannot open file \"%1\". %2").arg(copy, reason));
    reason = Profile::ReadWholeFile(file, &ourBytes);
    if (!reason.isEmpty() && QFileInfo::exists(file))
        throw AppError(QCoreApplication::translate("Files", "Cannot open file \"%1\". %2").arg(file, reason));
    const Profile::Copy theirs = Profile::LoadCopy(theirBytes);
    // The library and the kept Modules differ by whole Module.
    const bool modules =
        fileName(file) == QLatin1String(Platform::ModulesFile) || fileName(file) == QLatin1String(KeepFile::FileName);
    const QVector<Profile::Difference> differences = Profile::Differences(Profile::LoadCopy(ourBytes), theirs, modules);
    QString aside;
    if (differences.isEmpty()) {
        reason = Profile::SetAside(copy, &aside);
        if (!reason.isEmpty())
            throw AppError(QCoreApplication::translate("Conflicts", "Cannot rename \"%1\". %2").arg(copy, reason));
        return false;
    }
    ConflictChoice choice(fileName(file), fileName(copy), fileName(copy) + QStringLiteral(".merged"), modules,
                          differences, parent);
    if (Dialogs::ExecModal(&choice) != QDialog::Accepted)
        return false;
    const QVector<Profile::Difference> chosen = choice.Chosen();
    if (!chosen.isEmpty())
        Profile::TakeFromCopy(file, theirs, chosen);
    reason = Profile::SetAside(copy, &aside);
    if (!reason.isEmpty())
        throw AppError(QCoreApplication::translate("Conflicts", "Cannot rename \"%1\". %2").arg(copy, reason));
    return !chosen.isEmpty();
}

} // namespace

ConflictChoice::ConflictChoice(const QString &fileName, const QString &copyName, const QString &asideName, bool modules,
                               const QVector<Profile::Difference> &differences, QWidget *parent)
    : QDialog(parent)
    , m_differences(differences)
{
    setWindowTitle(tr("Merge"));
    auto *layout = new QVBoxLayout(this);
    Label1 = new QLabel(this);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setText(
        tr("A sync tool left a second version of %1 in the data folder: %2.\n\n"
           "Check what to take from it; the rest stays as it is on this computer. The copy is then renamed %3 "
           "and kept.")
            .arg(fileName, copyName, asideName));
    layout->addWidget(Label1);
    list = new QTreeWidget(this);
    list->setRootIsDecorated(false);
    list->setHeaderLabels({modules ? tr("Module") : tr("Option"), tr("On this computer"), tr("In the copy")});
    for (const Profile::Difference &d : differences) {
        auto *row = new QTreeWidgetItem(list);
        row->setText(0, d.key.isEmpty() ? d.section : d.section + QStringLiteral(" \u203A ") + d.key);
        row->setText(1, d.inOurs ? shown(d.ours) : tr("(none)"));
        row->setText(2, d.inTheirs ? shown(d.theirs) : tr("(none)"));
        for (int c = 0; c < 3; ++c)
            row->setToolTip(c, Dialogs::PlainToolTip(row->text(c)));
        // What only the copy has is taken; what both have differently, or
        // only this computer has, stays as it is here unless checked.
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(0, d.inOurs ? Qt::Unchecked : Qt::Checked);
    }
    list->header()->setStretchLastSection(true);
    list->resizeColumnToContents(0);
    layout->addWidget(list);
    auto *buttons = new QDialogButtonBox(this);
    MergeButton = buttons->addButton(tr("&Merge"), QDialogButtonBox::AcceptRole);
    LaterButton = buttons->addButton(tr("&Later"), QDialogButtonBox::RejectRole);
    MergeButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 360);
}

ConflictChoice::~ConflictChoice() = default;

QVector<Profile::Difference> ConflictChoice::Chosen() const
{
    QVector<Profile::Difference> chosen;
    for (int i = 0; i < m_differences.size(); ++i) {
        if (list->topLevelItem(i)->checkState(0) == Qt::Checked)
            chosen.append(m_differences.at(i));
    }
    return chosen;
}

namespace Conflicts {

bool Offer(QWidget *parent, QSet<QString> *offered)
{
    const QStringList files = {QLatin1String(Platform::TrainingResultsFile), QLatin1String(Platform::ExamResultsFile),
                               QLatin1String(Platform::ModulesFile), QLatin1String(Platform::ConfigFile),
                               QLatin1String(KeepFile::FileName)};
    bool changed = false;
    for (const QString &copy : Profile::ConflictCopies(Platform::DataDir(), files)) {
        if (offered->contains(copy))
            continue;
        // Asked once: a copy left for later, or one that can't be read,
        // is not brought up again at every change of the folder.
        offered->insert(copy);
        Dialogs::Guard(parent, [&] {
            const QString file = Platform::DataFile(Profile::ConflictCopyOf(fileName(copy)));
            const QString name = fileName(file);
            const bool results = name == QLatin1String(Platform::TrainingResultsFile)
                                 || name == QLatin1String(Platform::ExamResultsFile);
            changed = (results ? mergeRuns(parent, file, copy) : chooseLines(parent, file, copy)) || changed;
        });
    }
    return changed;
}

} // namespace Conflicts
