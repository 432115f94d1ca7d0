#include "library/frmmodules.h"

#include "library/frmname.h"
#include "library/moduleedit.h"
#include "library/modules.h"
#include "platform/dialogs.h"
#include "platform/okcancel.h"
#include "platform/platform.h"
#include "profile/fileaccess.h"
#include "profile/profilefile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QHash>
#include <QHideEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

const QString &dataKey()
{
    static const QString key = QStringLiteral("Data");
    return key;
}

} // namespace

Tfrm_modules::Tfrm_modules(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frm_modules"));
    setWindowTitle(tr("Modules"));

    QHBoxLayout *top = buildModuleRow();
    buildMemo();
    QHBoxLayout *files = buildFileButtons();

    Bevel1 = new QFrame(this);
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);

    const Dialogs::OkCancel pair =
        Dialogs::MakeOkCancel(this, tr("&OK"), tr("&Cancel"), QStringLiteral("BitBtn7"), QStringLiteral("BitBtn6"));
    BitBtn7 = pair.ok;
    BitBtn6 = pair.cancel;
    for (QPushButton *b : {BitBtn1, BitBtn2, BitBtn4, BitBtn5, BitBtn8, BitBtn6})
        b->setAutoDefault(false);

    KeepBox = new QCheckBox(tr("&Keep this Module learned"), this);
    KeepBox->setObjectName(QStringLiteral("KeepBox"));
    KeepBox->setAccessibleDescription(tr("Lists the Module under Due today when it is time to train it again"));
    SequenceBox = new QCheckBox(tr("Train it as a se&quence, in order"), this);
    SequenceBox->setObjectName(QStringLiteral("SequenceBox"));
    auto *keep = new QHBoxLayout;
    keep->addWidget(KeepBox);
    keep->addWidget(SequenceBox);
    keep->addStretch(1);

    auto *form = new QVBoxLayout(this);
    form->addLayout(top);
    form->addWidget(Memo1, 1);
    form->addLayout(keep);
    form->addLayout(files);
    form->addWidget(Bevel1);
    form->addLayout(Dialogs::OkCancelRow(pair));

    QWidget *order[] = {ComboBox1, BitBtn1, BitBtn2, Memo1,   KeepBox, SequenceBox,
                        BitBtn4,   BitBtn5, BitBtn8, BitBtn7, BitBtn6};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    // The editor keeps its designed size unless the system font needs more.
    ensurePolished();
    setFixedSize(sizeHint().expandedTo(QSize(353, 296)));

    connectHandlers();
}

// The Module list with "+" and "-" beside it.
QHBoxLayout *Tfrm_modules::buildModuleRow()
{
    Label1 = new QLabel(tr("&Module name"), this);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(false);
    // Its size never depends on the names, so that thousands of them, or a
    // very long one, cost no measuring whenever the editor is laid out.
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox1->setMinimumContentsLength(12);
    ComboBox1->setAccessibleName(tr("Module name"));
    Label1->setBuddy(ComboBox1);
    // The signs alone: underlined, "+" and "-" would read as "±" and "=".
    // Alt and the sign press them all the same.
    BitBtn1 = new QPushButton(QStringLiteral("+"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAccessibleName(tr("Add Module"));
    BitBtn1->setToolTip(tr("Add Module (Alt++)"));
    BitBtn1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Plus));
    BitBtn2 = new QPushButton(QStringLiteral("\u2212"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAccessibleName(tr("Delete Module"));
    BitBtn2->setToolTip(tr("Delete Module (Alt+-)"));
    BitBtn2->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Minus));
    // Square buttons as high as the Module list.
    const int side = qMax(25, ComboBox1->sizeHint().height());
    for (QPushButton *b : {BitBtn1, BitBtn2})
        b->setFixedSize(side, side);

    auto *top = new QHBoxLayout;
    top->addWidget(Label1);
    top->addWidget(ComboBox1, 1);
    top->addWidget(BitBtn1);
    top->addWidget(BitBtn2);
    return top;
}

void Tfrm_modules::buildMemo()
{
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(tr("Elements"));
    Memo1->setAccessibleDescription(tr("The Elements of the Module, one per line"));
    // Long lines wrap at the memo's edge, anywhere in the line. Wrapping at
    // word boundaries takes time that grows with the square of a line
    // without any: a list of 800,000 characters pasted or loaded as one
    // line took tens of seconds to show and as long again for each key.
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setWordWrapMode(QTextOption::WrapAnywhere);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setReadOnly(true);
    // Tab leaves the memo, so that the keyboard reaches the buttons below.
    Memo1->setTabChangesFocus(true);
}

// "Load..." and "Save..." at the left of their row.
QHBoxLayout *Tfrm_modules::buildFileButtons()
{
    BitBtn4 = new QPushButton(tr("&Load..."), this);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    BitBtn5 = new QPushButton(tr("&Save..."), this);
    BitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    BitBtn8 = new QPushButton(tr("New from a &pattern..."), this);
    BitBtn8->setObjectName(QStringLiteral("BitBtn8"));
    for (QPushButton *b : {BitBtn4, BitBtn5})
        b->setMinimumWidth(90);

    auto *files = new QHBoxLayout;
    files->addWidget(BitBtn4);
    files->addWidget(BitBtn5);
    files->addStretch(1);
    files->addWidget(BitBtn8);
    return files;
}

void Tfrm_modules::connectHandlers()
{
    // A pick changes the index and then reports the selection; a pick of
    // the entry already selected only reports the selection. Either way
    // the handler runs once.
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] {
        m_pickHandled = true;
        Dialogs::Guard(this, [this] { Combobox1OnChange(); });
    });
    connect(ComboBox1, &QComboBox::activated, this, [this] {
        if (std::exchange(m_pickHandled, false))
            return;
        Dialogs::Guard(this, [this] { Combobox1OnChange(); });
    });
    connect(Memo1->document(), &QTextDocument::contentsChanged, this, [this] { m_memoChanged = true; });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
    connect(BitBtn5, &QPushButton::clicked, this, [this] { BitBtn5Click(); });
    connect(BitBtn8, &QPushButton::clicked, this, [this] { BitBtn8Click(); });
    connect(BitBtn7, &QPushButton::clicked, this, [this] { BitBtn7Click(); });
    connect(BitBtn6, &QPushButton::clicked, this, [this] { BitBtn6Click(); });
    connect(KeepBox, &QCheckBox::toggled, this, [this] { keepChanged(); });
    connect(SequenceBox, &QCheckBox::toggled, this, [this] { keepChanged(); });
}

Tfrm_modules::~Tfrm_modules() = default;

void Tfrm_modules::SetNamePrompt(Tfrm_name *prompt) { m_namePrompt = prompt; }

QStringList Tfrm_modules::MemoLines() const { return ModuleEdit::TextLines(Memo1->document()->toRawText()); }

void Tfrm_modules::selectQuietly(int index)
{
    const QSignalBlocker blocker(ComboBox1);
    ComboBox1->setCurrentIndex(index);
}

bool Tfrm_modules::commit()
{
    if (!m_copy || !m_memoChanged || m_shownModuleIndex < 0 || m_shownModuleIndex >= ComboBox1->count())
        return true;
    const QStringList lines = MemoLines();
    // The library separates Elements by commas and has no way to keep one
    // in an Element; other programs read the file as it is.
    if (const qsizetype line = ModuleEdit::LineWithComma(lines); line >= 0) {
        refuseComma(lines, line);
        return false;
    }
    const QString data = Modules::JoinElements(lines);
    // Deleting every line keeps what the Module had.
    if (!data.isEmpty())
        m_copy->WriteText(ComboBox1->itemText(m_shownModuleIndex), dataKey(), data);
    return true;
}

void Tfrm_modules::refuseComma(const QStringList &lines, qsizetype line)
{
    constexpr qsizetype most = 60;
    const QString &element = lines.at(line);
    const QString shown = element.size() > most ? element.left(most - 1) + QChar(0x2026) : element;
    Dialogs::ShowMessage(this, tr("The Element \"%1\" on line %2 holds a comma. The Module library separates "
                                  "Elements by commas, so it would become several Elements. Write it without a "
                                  "comma (3.14, Washington D.C.); nothing was stored.")
                                   .arg(shown)
                                   .arg(line + 1));
    // The line selected, to be mended at once. The memo's lines are its
    // text's lines, each break one character.
    qsizetype start = 0;
    for (qsizetype i = 0; i < line; ++i)
        start += lines.at(i).size() + 1;
    QTextCursor cursor(Memo1->document());
    cursor.setPosition(int(start));
    cursor.setPosition(int(start + element.size()), QTextCursor::KeepAnchor);
    Memo1->setTextCursor(cursor);
    Memo1->setFocus(Qt::OtherFocusReason);
}

void Tfrm_modules::showModule(int index)
{
    QString data;
    if (m_copy && index >= 0)
        data = m_copy->ReadText(ComboBox1->itemText(index), dataKey(), QString());
    // The value becomes the memo's text in place: a Module of millions of
    // Elements is never a list of millions of strings.
    Memo1->setPlainText(ModuleEdit::MemoTextOfData(std::move(data)));
    m_memoChanged = false;
    showKeep(index);
}

void Tfrm_modules::showKeep(int index)
{
    const QSignalBlocker keep(KeepBox), sequence(SequenceBox);
    const auto kept = index >= 0 ? m_kept.constFind(ComboBox1->itemText(index).toCaseFolded()) : m_kept.cend();
    KeepBox->setEnabled(index >= 0);
    KeepBox->setChecked(kept != m_kept.cend());
    SequenceBox->setChecked(kept == m_kept.cend() || kept->sequence);
    SequenceBox->setEnabled(kept != m_kept.cend());
}

void Tfrm_modules::keepChanged()
{
    const int index = ComboBox1->currentIndex();
    if (index < 0)
        return;
    const QString name = ComboBox1->itemText(index);
    const QString folded = name.toCaseFolded();
    if (KeepBox->isChecked())
        m_kept.insert(folded, KeepFile::Kept{name, SequenceBox->isChecked()});
    else
        m_kept.remove(folded);
    noteKeepChange(name);
    SequenceBox->setEnabled(KeepBox->isChecked());
}

void Tfrm_modules::noteKeepChange(const QString &name)
{
    const bool noted = std::any_of(m_keepChanged.cbegin(), m_keepChanged.cend(), [&](const KeepFile::Kept &k) {
        return k.module.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (!noted)
        m_keepChanged.append(KeepFile::Kept{name, true});
}

void Tfrm_modules::writeKept()
{
    const QString path = KeepFile::KeepPath();
    for (const KeepFile::Kept &changed : std::as_const(m_keepChanged)) {
        const auto kept = m_kept.constFind(changed.module.toCaseFolded());
        if (kept != m_kept.cend())
            KeepFile::Set(path, kept->module, true, kept->sequence);
        else
            KeepFile::Set(path, changed.module, false);
    }
    m_keepChanged.clear();
}

void Tfrm_modules::FormShow()
{
    m_shownModuleIndex = -1;
    Memo1->clear();
    Memo1->setReadOnly(true);
    {
        const QSignalBlocker blocker(ComboBox1);
        ComboBox1->clear();
    }
    m_copy.reset();
    m_kept.clear();
    m_keepChanged.clear();
    Dialogs::Guard(this, [&] {
        for (const KeepFile::Kept &kept : KeepFile::Read(KeepFile::KeepPath()))
            m_kept.insert(kept.module.toCaseFolded(), kept);
    });
    bool opened = false;
    Dialogs::Guard(this, [&] {
        m_copy = std::make_unique<ProfileFile>(Platform::DataFile(QLatin1String(Platform::ModulesFile)),
                                               ProfileFile::Access::InMemory);
        m_base = ModuleEdit::LibraryOf(*m_copy);
        QStringList names;
        m_copy->ListSections(names);
        {
            const QSignalBlocker blocker(ComboBox1);
            ComboBox1->addItems(names);
            ComboBox1->setCurrentIndex(names.isEmpty() ? -1 : 0);
        }
        Combobox1OnChange();
        opened = true;
    });
    BitBtn2->setEnabled(ComboBox1->count() > 0);
    // Each opening starts at the Module list, wherever the last one ended.
    ComboBox1->setFocus(Qt::OtherFocusReason);
    if (opened && !m_copy->Recognisable()) {
        // Said once the editor is up. Its OK cannot write over such a file.
        const QString path = m_copy->Path();
        QTimer::singleShot(0, this, [this, path] {
            if (isVisible())
                Dialogs::ShowMessage(this, tr("The Module library %1 is not a file this program can "
                                              "read: it holds no Modules. It is shown empty and left "
                                              "as it is; OK will not write over it.")
                                               .arg(QDir::toNativeSeparators(path)));
        });
    }
    if (!opened) {
        // Without the library there is nothing to edit, and an OK would
        // replace the file with an empty one.
        m_copy.reset();
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
    }
}

void Tfrm_modules::Combobox1OnChange()
{
    if (!commit()) {
        // The memo stays with its Module until its lines can be stored.
        selectQuietly(m_shownModuleIndex);
        return;
    }
    const int selected = ComboBox1->currentIndex();
    Memo1->setReadOnly(selected < 0);
    showModule(selected);
    m_shownModuleIndex = selected;
}

bool Tfrm_modules::CheckModuleName(const QString &name)
{
    QStringList names;
    names.reserve(ComboBox1->count());
    for (int i = 0; i < ComboBox1->count(); ++i)
        names.append(ComboBox1->itemText(i));
    if (ModuleEdit::NameBlank(name)) {
        Dialogs::ShowMessage(this, tr("The name is empty. Type a name for the new Module."));
        return false;
    }
    if (ModuleEdit::NameRefused(names, name)) {
        Dialogs::ShowMessage(this, tr("Name already exists !"));
        return false;
    }
    return true;
}

bool Tfrm_modules::askNewName(QString &name)
{
    const int previous = ComboBox1->currentIndex();
    // What the user typed or loaded stays with the Module it was shown for
    // before the memo is emptied for a new one; a line the library can't
    // keep is said before a name is asked for.
    if (!commit())
        return false;
    if (m_copy && m_namePrompt && Dialogs::ExecModal(m_namePrompt) == QDialog::Accepted) {
        // The file keeps a name on one line.
        name = m_namePrompt->Edit1->text();
        name.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        return CheckModuleName(name);
    }
    selectQuietly(previous);
    if (previous >= 0)
        Combobox1OnChange();
    return false;
}

void Tfrm_modules::addModule(const QString &name, const QString &data)
{
    Memo1->clear();
    {
        const QSignalBlocker blocker(ComboBox1);
        ComboBox1->addItem(name);
    }
    m_copy->WriteText(name, dataKey(), data);
    BitBtn2->setEnabled(true);
    selectQuietly(ComboBox1->count() - 1);
    m_shownModuleIndex = ComboBox1->currentIndex();
    if (!data.isEmpty())
        showModule(m_shownModuleIndex);
    Memo1->setReadOnly(false);
    Memo1->setFocus(Qt::OtherFocusReason);
}

void Tfrm_modules::BitBtn1Click()
{
    Dialogs::Guard(this, [this] {
        QString name;
        if (askNewName(name))
            addModule(name, QString());
    });
}

void Tfrm_modules::BitBtn8Click()
{
    Dialogs::Guard(this, [this] {
        if (!m_namePrompt)
            return;
        QStringList patterns;
        QStringList names;
        for (ModuleEdit::Pattern pattern : ModuleEdit::Patterns) {
            const QStringList elements = ModuleEdit::PatternElements(pattern);
            patterns << tr("%1: %2 \u2026 %3 (%n elements)", nullptr, int(elements.size()))
                            .arg(ModuleEdit::PatternName(pattern), elements.first(), elements.last());
            names << ModuleEdit::PatternName(pattern);
        }
        m_namePrompt->AskPattern(patterns, names);
        QString name;
        const bool named = askNewName(name);
        const int picked = m_namePrompt->PatternIndex();
        m_namePrompt->AskPattern({}, {});
        if (named && picked >= 0 && picked < int(std::size(ModuleEdit::Patterns)))
            addModule(name, Modules::JoinElements(ModuleEdit::PatternElements(ModuleEdit::Patterns[picked])));
    });
}

void Tfrm_modules::BitBtn2Click()
{
    Dialogs::Guard(this, [this] {
        const int index = ComboBox1->currentIndex();
        const QString name = index >= 0 ? ComboBox1->itemText(index) : QString();
        if (!Dialogs::Confirm(this, tr("Delete %1?").arg(name)))
            return;
        if (index < 0 || !m_copy)
            return;
        m_copy->DeleteSection(name);
        if (m_kept.remove(name.toCaseFolded()) > 0)
            noteKeepChange(name);
        {
            const QSignalBlocker blocker(ComboBox1);
            ComboBox1->removeItem(index);
        }
        Memo1->clear();
        BitBtn2->setEnabled(ComboBox1->count() > 0);
        selectQuietly(ComboBox1->count() > 0 ? 0 : -1);
        m_shownModuleIndex = ComboBox1->currentIndex();
        if (m_shownModuleIndex >= 0)
            Combobox1OnChange();
        else
            Memo1->setReadOnly(true);
    });
}

void Tfrm_modules::BitBtn4Click()
{
    Dialogs::Guard(this, [this] {
        const QString path = Dialogs::OpenFileName(this, QLatin1String(OpenFilter));
        if (path.isEmpty())
            return;
        const QStringList lines = ModuleEdit::ReadTextFile(path);
        const QStringList shown = MemoLines();
        const bool hasElements =
            std::any_of(shown.cbegin(), shown.cend(), [](const QString &l) { return !l.isEmpty(); });
        bool append = false;
        if (hasElements) {
            const Dialogs::Answer answer = Dialogs::AskReplaceOrAppend(
                this, tr("The Module \"%1\" has Elements. Replace them with the lines of the file, or add the "
                         "lines after them?")
                          .arg(m_shownModuleIndex >= 0 ? ComboBox1->itemText(m_shownModuleIndex) : QString()));
            if (answer != Dialogs::Answer::Ok && answer != Dialogs::Answer::Other)
                return;
            append = answer == Dialogs::Answer::Other;
        }
        // One edit of the document, so that Ctrl+Z brings the memo back.
        QTextCursor cursor(Memo1->document());
        cursor.beginEditBlock();
        if (append) {
            cursor.movePosition(QTextCursor::End);
            if (!shown.isEmpty() && !shown.last().isEmpty())
                cursor.insertBlock();
        } else {
            cursor.select(QTextCursor::Document);
        }
        cursor.insertText(ModuleEdit::MemoText(lines));
        cursor.endEditBlock();
    });
}

void Tfrm_modules::BitBtn5Click()
{
    Dialogs::Guard(this, [this] {
        const QString path = Dialogs::SaveFileName(this, QLatin1String(SaveFilter));
        if (path.isEmpty())
            return;
        ModuleEdit::WriteTextFile(ModuleEdit::SaveFilePath(path), MemoLines());
    });
}

void Tfrm_modules::BitBtn7Click()
{
    // A failed write leaves the editor open with all its changes, so the
    // user can try again or cancel.
    Dialogs::Guard(this, [this] {
        if (!commit())
            return;
        if (m_copy)
            writeLibrary();
        writeKept();
        accept();
    });
}

void Tfrm_modules::writeLibrary()
{
    // Another copy's OK or a text editor may have changed the file
    // meanwhile: the user's changes go onto it. A Module changed on both
    // sides is asked about without holding the folder's lock, so that
    // another copy's save is not kept waiting by the question; the answers
    // are applied under the lock while the file's Module is still the one
    // asked about, and asked again when it changed once more meanwhile.
    const QString path = m_copy->Path();
    if (!m_copy->Recognisable()) {
        const Profile::FileLock lock(path);
        m_copy->WriteBack();
        return;
    }
    QHash<QString, bool> answers; // by the Module's name and the file's Data of it
    const auto keyOf = [](const QString &name, const QByteArray &theirs) -> QString {
        return name.toCaseFolded() + QLatin1Char('\n') + QString::fromLatin1(theirs.toHex());
    };
    const ModuleEdit::KeepMine ask = [&](const QString &name, const QByteArray &theirs) -> std::optional<bool> {
        const QString key = keyOf(name, theirs);
        auto it = answers.constFind(key);
        if (it == answers.cend()) {
            it = answers.insert(key, Dialogs::Confirm(this, tr("The Module \"%1\" was also changed in the library "
                                                               "file since this editor opened. Keep your version? "
                                                               "Cancel keeps the file's.")
                                                                .arg(name)));
        }
        return *it;
    };
    const ModuleEdit::KeepMine answered = [&](const QString &name, const QByteArray &theirs) -> std::optional<bool> {
        const auto it = answers.constFind(keyOf(name, theirs));
        return it == answers.cend() ? std::nullopt : std::optional<bool>(*it);
    };
    for (;;) {
        ModuleEdit::MergeOntoCurrent(path, m_base, *m_copy, ask, false);
        const Profile::FileLock lock(path);
        const ModuleEdit::Merge merge = ModuleEdit::MergeOntoCurrent(path, m_base, *m_copy, answered);
        if (merge == ModuleEdit::Merge::UseMine)
            m_copy->WriteBack();
        if (merge != ModuleEdit::Merge::Undecided)
            return;
    }
}

void Tfrm_modules::BitBtn6Click() { reject(); }

void Tfrm_modules::FormClose()
{
    Memo1->clear();
    m_copy.reset();
    m_base.clear();
    m_shownModuleIndex = -1;
    Platform::ReleaseFreeMemory();
}

void Tfrm_modules::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Tfrm_modules::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        FormClose();
}
