#pragma once

// The conflict copies that sync tools leave in the data folder when two
// machines changed a data file at once: their runs, Modules and options
// are offered to be taken in, and the copy is then set aside.

#include <QDialog>
#include <QSet>
#include <QString>
#include <QVector>

#include "profile/conflictcopy.h"

class QLabel;
class QPushButton;
class QTreeWidget;

// The choice of what to take from a conflict copy of modules.ini or
// config.ini: one checkable row per Module or option that differs, with
// its value here and in the copy. Checked rows are taken from the copy.
class ConflictChoice : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ConflictChoice)

public:
    ConflictChoice(const QString &fileName, const QString &copyName, const QString &asideName, bool modules,
                   const QVector<Profile::Difference> &differences, QWidget *parent = nullptr);
    ~ConflictChoice() override;

    // The differences whose rows are checked.
    QVector<Profile::Difference> Chosen() const;

    QLabel *Label1 = nullptr;
    QTreeWidget *list = nullptr;
    QPushButton *MergeButton = nullptr;
    QPushButton *LaterButton = nullptr;

private:
    QVector<Profile::Difference> m_differences;
};

namespace Conflicts {

// Offers each conflict copy of the five data files in the data folder
// that is not in *offered, and adds it there: a results file's copy is
// merged by run after a question ("Merge" is the default), a copy of
// modules.ini, config.ini or keep.ini through a ConflictChoice. A copy taken in is
// set aside; one left for later stays as it is until the next start.
// Returns whether a data file was changed.
bool Offer(QWidget *parent, QSet<QString> *offered);

} // namespace Conflicts
