#pragma once

#include "library/keepfile.h"
#include "library/moduleedit.h"

#include <QDialog>
#include <QHash>

#include <memory>

class ProfileFile;
class QCheckBox;
class QComboBox;
class QFrame;
class QHBoxLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class Tfrm_name;

// The module editor: the only writer of modules.ini. From its showing to
// its closing it works on an in-memory copy of the library; the file is
// rewritten from that copy only by OK.
class Tfrm_modules : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrm_modules)

public:
    explicit Tfrm_modules(QWidget *parent = nullptr);
    ~Tfrm_modules() override;

    // The prompt that "+" shows for the name of a new Module.
    void SetNamePrompt(Tfrm_name *prompt);

    // ---- handlers
    // Loads the working copy and shows the first Module, with the focus on
    // the Module list and "-" only when there is a Module. If the library
    // cannot be read, the error is shown and the editor closes again; if
    // it is not a file of Modules, a message says so once it is up.
    void FormShow();
    // Commits the memo to the Module shown until now, then shows the
    // selected one.
    void Combobox1OnChange();
    // True when the name may be used for a new Module; otherwise says that
    // the name is empty, or "Name already exists !", and returns false.
    bool CheckModuleName(const QString &name);
    // "+": asks for a name; an accepted one commits the memo to the Module
    // shown until now, then adds the new Module, empty, and shows it.
    void BitBtn1Click();
    void BitBtn2Click(); // "-"
    // "Load...": the file's lines replace the memo's, or, when the memo
    // holds Elements, as the user answers: replace them or go after them.
    // Either is one step of the memo's undo.
    void BitBtn4Click();
    void BitBtn5Click(); // "Save..."
    // "New from a pattern...": asks for a pattern and a name; an accepted
    // name adds a Module of the pattern's Elements, as "+" adds an empty one.
    void BitBtn8Click();
    void BitBtn7Click(); // OK: commit, write modules.ini, close
    void BitBtn6Click(); // Cancel: close, modules.ini untouched
    // Empties the memo and releases the working copy; runs at every closing.
    void FormClose();

    // Position in the Module list of the Module the memo holds; -1: none.
    int ShownModuleIndex() const { return m_shownModuleIndex; }
    // The memo's lines as they would be committed.
    QStringList MemoLines() const;
    // Whether a working copy is open (between showing and closing).
    bool HasWorkingCopy() const { return m_copy != nullptr; }

    // ---- controls under their form names
    QLabel *Label1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QPushButton *BitBtn1 = nullptr, *BitBtn2 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *BitBtn4 = nullptr, *BitBtn5 = nullptr;
    QPushButton *BitBtn8 = nullptr; // "New from a pattern..."
    QFrame *Bevel1 = nullptr;
    QPushButton *BitBtn7 = nullptr, *BitBtn6 = nullptr;
    // Whether the Module shown is kept learned (keep.ini), and trained as a
    // sequence (in order) or as a set; written by OK with the library.
    QCheckBox *KeepBox = nullptr;
    QCheckBox *SequenceBox = nullptr;

    static constexpr const char *OpenFilter = "Text File (*.txt)|*.txt|Any File (*.*)|*.*";
    static constexpr const char *SaveFilter = "Text File (*.txt)|*.txt";

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // The constructor's parts.
    QHBoxLayout *buildModuleRow();
    void buildMemo();
    QHBoxLayout *buildFileButtons();
    void connectHandlers();

    // Stores the memo as the shown Module's Elements. False, storing
    // nothing, when a line holds a comma, which would split it: the
    // message names it and the memo shows it.
    bool commit();
    void refuseComma(const QStringList &lines, qsizetype line);
    // Asks the name prompt for a name; an accepted one that may be used
    // goes into `name`, what the user typed is committed first.
    bool askNewName(QString &name);
    void addModule(const QString &name, const QString &data);
    void writeLibrary();
    void showModule(int index);
    void selectQuietly(int index);
    void showKeep(int index);
    void keepChanged();
    void writeKept();

    Tfrm_name *m_namePrompt = nullptr;
    std::unique_ptr<ProfileFile> m_copy;
    // The Modules as the file held them when the editor opened: OK applies
    // only what changed since onto the file as it is then.
    ModuleEdit::LibraryText m_base;
    int m_shownModuleIndex = -1;
    // Whether the memo's text changed since a Module was shown in it: one
    // only shown is not committed, so that its value stays byte for byte
    // (a final ",", say) and a big one is not split into lines for nothing.
    bool m_memoChanged = false;
    bool m_pickHandled = false;
    // The kept Modules by folded name, as keep.ini held them when the
    // editor opened and as the boxes changed them since; OK writes those
    // changed (a deleted Module is no longer kept).
    QHash<QString, KeepFile::Kept> m_kept;
    QVector<KeepFile::Kept> m_keepChanged; // in the order changed, each Module once (module: its name)
    void noteKeepChange(const QString &name);
};
