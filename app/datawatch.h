#pragma once

#include "profile/filestamp.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>

class QFileSystemWatcher;
class QTimer;
class QWidget;

// The data folder watched for changes from outside (another copy, a sync
// tool, an editor): the watcher's signals settle for SettleMs, then it has
// what shows a changed file reloaded (the history, the options and their
// Module lists) and offers the conflict copies that appeared. While a run
// or a window that edits the data is open, it waits and looks again once
// it has closed.
class DataWatch : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DataWatch)

public:
    // What the window does for it.
    struct Reloads
    {
        std::function<bool()> editing;       // a run or a window that edits the data is open
        std::function<QString()> listedFile; // the file the history lists
        std::function<void()> history;       // lists the listed file again
        std::function<void()> options;       // reads the options and their Module lists again
        std::function<void()> due;           // reloads the Modules due today
    };

    static constexpr int SettleMs = 300;

    // `window` is the parent of the questions about conflict copies.
    DataWatch(QWidget *window, Reloads reloads);
    ~DataWatch() override;

    // Follows the data folder and the data files that exist now. A file
    // replaced by a rename is a new file that the watcher no longer
    // follows: the paths are added again each time.
    void Watch();
    // What shows the file at `path` has just read it.
    void Read(const QString &path);
    // Reloads what shows a file that changed since it was read.
    void Changed();
    // Offers the conflict copies in the data folder (see Conflicts::Offer).
    void OfferConflicts();
    QFileSystemWatcher *Watcher() const { return m_watcher; }

private:
    QWidget *m_window;
    Reloads m_reloads;
    QFileSystemWatcher *m_watcher = nullptr;
    QTimer *m_settle = nullptr;
    // The stamp of each data file when what shows it was last read.
    QHash<QString, Profile::FileStamp> m_seen;
    QSet<QString> m_offered; // conflict copies offered in this session
};
