#include "app/datawatch.h"

#include "app/conflicts.h"
#include "library/keepfile.h"
#include "platform/platform.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>
#include <QWidget>

namespace {

const char *const DataFiles[] = {Platform::TrainingResultsFile, Platform::ExamResultsFile, Platform::ModulesFile,
                                 Platform::ConfigFile, KeepFile::FileName};

} // namespace

DataWatch::DataWatch(QWidget *window, Reloads reloads)
    : QObject(window)
    , m_window(window)
    , m_reloads(std::move(reloads))
{
    m_watcher = new QFileSystemWatcher(this);
    m_settle = new QTimer(this);
    m_settle->setSingleShot(true);
    m_settle->setInterval(SettleMs);
    connect(m_settle, &QTimer::timeout, this, [this] { Changed(); });
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_settle, qOverload<>(&QTimer::start));
    connect(m_watcher, &QFileSystemWatcher::fileChanged, m_settle, qOverload<>(&QTimer::start));
}

DataWatch::~DataWatch() = default;

void DataWatch::Watch()
{
    QStringList paths{Platform::DataDir()};
    for (const char *name : DataFiles) {
        const QString path = Platform::DataFile(QLatin1String(name));
        if (!m_seen.contains(path))
            m_seen.insert(path, Profile::StampOf(path));
        if (QFileInfo::exists(path))
            paths.append(path);
    }
    const QStringList watched = m_watcher->files() + m_watcher->directories();
    for (const QString &path : paths) {
        if (!watched.contains(path))
            m_watcher->addPath(path);
    }
}

void DataWatch::Read(const QString &path) { m_seen.insert(path, Profile::StampOf(path)); }

void DataWatch::OfferConflicts()
{
    if (m_reloads.editing()) {
        m_settle->start();
        return;
    }
    if (Conflicts::Offer(m_window, &m_offered))
        Changed();
}

void DataWatch::Changed()
{
    if (m_reloads.editing()) {
        m_settle->start();
        return;
    }
    Watch();
    bool history = false;
    bool options = false;
    for (const char *name : DataFiles) {
        const QString path = Platform::DataFile(QLatin1String(name));
        const Profile::FileStamp now = Profile::StampOf(path);
        if (now == m_seen.value(path))
            continue;
        m_seen.insert(path, now);
        if (path == m_reloads.listedFile())
            history = true;
        else if (QLatin1String(name) == QLatin1String(Platform::ModulesFile)
                 || QLatin1String(name) == QLatin1String(Platform::ConfigFile))
            options = true;
    }
    if (history)
        m_reloads.history();
    if (options)
        m_reloads.options();
    m_reloads.due();
    OfferConflicts();
}
