#include "library/frmoptions.h"

#include "library/examrules.h"
#include "library/keepfile.h"
#include "library/modules.h"
#include "library/updown.h"
#include "platform/dialogs.h"
#include "platform/espeakvoices.h"
#include "platform/okcancel.h"
#include "platform/platform.h"
#include "platform/speech.h"
#include "profile/profilefile.h"

#include <QAbstractListModel>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QProxyStyle>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringListModel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

// Refuses typing that would make the text longer than a limit. A longer
// text put in by the program stays whole and may still be shortened.
class TypedLengthLimit : public QValidator
{
public:
    TypedLengthLimit(QLineEdit *edit, int limit)
        : QValidator(edit)
        , m_limit(limit)
        , m_length(int(edit->text().size()))
    {
        connect(edit, &QLineEdit::textChanged, this, [this, edit](const QString &text) {
            const bool keptAgainstRefusal = m_refused && *m_refused == text;
            m_refused.reset();
            m_length = int(text.size());
            if (keptAgainstRefusal) {
                // The program set a longer text. Setting it again now that it
                // is the accepted length tells the line edit it is valid;
                // otherwise the next keystroke would go in unchecked.
                const QSignalBlocker blocker(edit);
                edit->setText(QString());
                edit->setText(text);
            }
        });
    }

    State validate(QString &input, int &) const override
    {
        if (input.size() <= m_limit || input.size() <= m_length)
            return Acceptable;
        m_refused = input;
        return Invalid;
    }

private:
    int m_limit;
    int m_length;                             // of the text as last accepted
    mutable std::optional<QString> m_refused; // the last text refused
};

QLabel *makeLabel(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

// Drop-down lists open below themselves. A list that opens over itself
// (the default of some styles) measures every item first, which takes
// seconds with a million Elements.
class DropDownStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The characters a Module list shows at least.
constexpr int ModuleNameLength = 29;
// How long the Training page waits for the sound server's answer.
constexpr int SpeechCheckMs = 500;

// A drop-down list without typing over a model that may hold a million
// items: its size and its popup never measure every item.
QComboBox *makeList(QWidget *parent, QAbstractItemModel *model, const QString &name, QStyle *style)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->setStyle(style);
    list->setEditable(false);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(6);
    if (auto *view = qobject_cast<QListView *>(list->view()))
        view->setUniformItemSizes(true);
    list->setModel(model);
    return list;
}

QLineEdit *makeEdit(QWidget *parent, const QString &name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    // Wide enough for the longest number the spin buttons write, in any font.
    const int digits = edit->fontMetrics().horizontalAdvance(QStringLiteral("000000"));
    edit->setFixedWidth(qMax(57, digits + 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit)));
    return edit;
}

QCheckBox *makeCheckBox(const QString &text, QWidget *parent, const QString &name)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

// A number field with its spin buttons right against it.
QHBoxLayout *numberField(QLineEdit *edit, UpDown *spin)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(edit);
    row->addWidget(spin);
    row->addStretch(1);
    return row;
}

// The speech rates offered, in tenths of the engine's scale.
struct Rate
{
    const char *name;
    int tenths;
};
constexpr Rate Rates[] = {{QT_TRANSLATE_NOOP("Tfrm_options", "Very slow"), -6},
                          {QT_TRANSLATE_NOOP("Tfrm_options", "Slow"), -3},
                          {QT_TRANSLATE_NOOP("Tfrm_options", "Normal"), 0},
                          {QT_TRANSLATE_NOOP("Tfrm_options", "Fast"), 3},
                          {QT_TRANSLATE_NOOP("Tfrm_options", "Very fast"), 6}};

// Each voice by the language it speaks, in that language's own words
// ("Deutsch", "русский") where the locale data knows it, else by the
// engine's name; voices of one language keep the engine's name beside it
// ("English (MBROLA en1)" for an MBROLA voice).
QStringList shownVoiceNames(const Speech::Speaker &speaker, const QStringList &voices)
{
    QStringList shown;
    for (const QString &voice : voices) {
        const QString code = speaker.LanguageOf(voice);
        const QLocale locale(code);
        const bool known = !code.isEmpty() && locale.language() != QLocale::C
                           && QLocale::languageToCode(locale.language()) == code.section(QLatin1Char('-'), 0, 0);
        shown << (known ? locale.nativeLanguageName() : voice);
    }
    const QStringList plain = shown;
    for (qsizetype i = 0; i < shown.size(); ++i)
        if (plain.count(plain.at(i)) > 1 && plain.at(i) != voices.at(i))
            shown[i] = QStringLiteral("%1 (%2)").arg(plain.at(i), voices.at(i).startsWith(QLatin1String("mb-"))
                                                                      ? QStringLiteral("MBROLA ") + voices.at(i).mid(3)
                                                                      : voices.at(i));
    return shown;
}

} // namespace

// The Elements of a page's Module for both of its range lists. Replacing
// them is one reset, however many there are.
class ElementListModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    void SetElements(const Modules::ElementList &elements)
    {
        beginResetModel();
        m_elements = elements;
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_elements.Size());
    }

    // An Element's text as the lists show it: a text too long to be seen
    // whole in a list is shown cut, so that drawing it stays quick. The
    // published values give the Element whole.
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_elements.Size())
            return {};
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        const QStringView text = m_elements.At(index.row());
        if (text.size() <= ShownLength)
            return text.toString();
        return QString(text.left(ShownLength) + QChar(0x2026));
    }

    static constexpr qsizetype ShownLength = 1000;

private:
    Modules::ElementList m_elements;
};

// ---------------------------------------------------------------- Tfrm_options

Tfrm_options::Tfrm_options(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frm_options"));
    setWindowTitle(tr("Options"));

    m_modulesModel = new QStringListModel(this);
    m_training.elementsModel = new ElementListModel(this);
    m_exam.elementsModel = new ElementListModel(this);

    auto *listStyle = new DropDownStyle;
    listStyle->setParent(this);

    buildTabs();
    buildTrainingControls(listStyle);
    buildExamControls(listStyle);
    layOutPage(Page::Training);
    layOutPage(Page::Exam);
    layOutForm();
    orderTabs();
    setTrainingToolTips();
    setExamToolTips();

    // A build without speech offers none.
    if (!Speech::Built())
        for (QWidget *w : std::as_const(m_speechControls))
            w->hide();
    updateSpeechControls();
    connect(CheckBox4, &QCheckBox::toggled, this, [this] { updateSpeechControls(); });
    // The pace said follows every choice it depends on.
    for (QComboBox *range : {ComboBox2, ComboBox3})
        connect(range, &QComboBox::currentIndexChanged, this, [this] { updatePace(true); });
    for (QComboBox *list : {ComboBox8, ComboBox11})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { updatePace(false); });
    connect(Edit3, &QLineEdit::textChanged, this, [this] { updatePace(false); });
    connect(CheckBox6, &QCheckBox::toggled, this, [this] { updatePace(false); });
    updateMistakeRule();
    connect(Edit2, &QLineEdit::textChanged, this, [this] { updateMistakeRule(); });

    // The dialog keeps its designed size unless the system font needs more.
    ensurePolished();
    fitSize();

    // "activated" comes from the user only, so a selection made while
    // loading does not refill the range lists behind LoadSettings' back.
    connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    connect(ComboBox4, &QComboBox::activated, this, [this] { ComboBox4Change(); });
    // A failed write leaves the dialog open with what was typed.
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        if (BitBtn1Click())
            accept();
    });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfrm_options::buildTabs()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setAccessibleName(tr("Option pages"));
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(TabSheet1, tr("&Training"));
    PageControl1->addTab(TabSheet2, tr("&Exam"));
}

void Tfrm_options::buildTrainingControls(QStyle *listStyle)
{
    Edit1 = makeEdit(TabSheet1, QStringLiteral("Edit1"));
    UpDown1 = new UpDown(Edit1, Settings::NumOfElMin, Settings::TrainingBounds(false).numOfElMax, 20, TabSheet1);
    ComboBox1 = makeList(TabSheet1, m_modulesModel, QStringLiteral("ComboBox1"), listStyle);
    // Module lists wide enough for the name of a drill of mistakes, whose
    // time tells it from the others: "Mistakes 08.12.2026 01:22 (2)".
    ComboBox1->setMinimumContentsLength(ModuleNameLength);
    ComboBox2 = makeList(TabSheet1, m_training.elementsModel, QStringLiteral("ComboBox2"), listStyle);
    ComboBox3 = makeList(TabSheet1, m_training.elementsModel, QStringLiteral("ComboBox3"), listStyle);
    Edit3 = makeEdit(TabSheet1, QStringLiteral("Edit3"));
    UpDown3 = new UpDown(Edit3, Settings::TrainingBounds(false).timerMin, Settings::TimerMax, 6000, TabSheet1);
    Edit3->setValidator(new TypedLengthLimit(Edit3, Settings::TimerTypedLength));
    CheckBox1 = makeCheckBox(tr("&Do exercises"), TabSheet1, QStringLiteral("CheckBox1"));
    CheckBox2 = makeCheckBox(tr("&Unlimited time"), TabSheet1, QStringLiteral("CheckBox2"));
    CheckBox3 = makeCheckBox(tr("&Show serial number"), TabSheet1, QStringLiteral("CheckBox3"));
    CheckBox4 = makeCheckBox(tr("S&peak Elements"), TabSheet1, QStringLiteral("CheckBox4"));
    CheckBox5 = makeCheckBox(tr("&Hide Elements while speaking"), TabSheet1, QStringLiteral("CheckBox5"));
    CheckBox6 = makeCheckBox(tr("Read num&bers digit by digit"), TabSheet1, QStringLiteral("CheckBox6"));
    ComboBox7 = new QComboBox(TabSheet1);
    ComboBox7->setObjectName(QStringLiteral("ComboBox7"));
    // As wide as its longest item: "System default" is a long text in
    // some languages, and the voices come from the engine.
    ComboBox7->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ComboBox7->setAccessibleName(tr("Language"));
    ComboBox8 = new QComboBox(TabSheet1);
    ComboBox8->setObjectName(QStringLiteral("ComboBox8"));
    for (const Rate &rate : Rates)
        ComboBox8->addItem(tr(rate.name), rate.tenths);
    ComboBox8->setAccessibleName(tr("Speech rate"));
    ComboBox11 = new QComboBox(TabSheet1);
    ComboBox11->setObjectName(QStringLiteral("ComboBox11"));
    for (int ms = Settings::PauseMin; ms <= Settings::PauseMax; ms += 100)
        ComboBox11->addItem(tr("%1 s").arg(QLocale().toString(ms / 1000.0, 'f', 1)), ms);
    ComboBox11->setAccessibleName(tr("Pause between Elements"));
    CheckBox7 = makeCheckBox(tr("Spo&ken numbers, as in competitions"), TabSheet1, QStringLiteral("CheckBox7"));
    ComboBox12 = new QComboBox(TabSheet1);
    ComboBox12->setObjectName(QStringLiteral("ComboBox12"));
    for (const int digits : Settings::SpokenNumbersTrials)
        ComboBox12->addItem(tr("%n digit(s)", nullptr, digits), digits);
    ComboBox12->setAccessibleName(tr("Trial length"));
    connect(ComboBox12, &QComboBox::activated, this,
            [this] { Edit1->setText(QString::number(ComboBox12->currentData().toInt())); });
    connect(Edit1, &QLineEdit::textChanged, this, [this] { selectTrial(); });
    connect(CheckBox7, &QCheckBox::toggled, this, [this] { updateSpeechControls(); });
    LabelSpeech = new QLabel(TabSheet1);
    LabelSpeech->setObjectName(QStringLiteral("LabelSpeech"));
    LabelSpeech->setTextFormat(Qt::PlainText);
    LabelSpeech->setWordWrap(true);
    LabelSpeech->setVisible(false);
    LabelPace = new QLabel(TabSheet1);
    LabelPace->setObjectName(QStringLiteral("LabelPace"));
    LabelPace->setTextFormat(Qt::PlainText);
    LabelPace->setWordWrap(true);
    LabelPace->setVisible(false);

    m_training.number = Edit1;
    m_training.module = ComboBox1;
    m_training.from = ComboBox2;
    m_training.to = ComboBox3;
    ComboBox9 = makeDrawList(TabSheet1, QStringLiteral("ComboBox9"), tr("How a Training draws its Elements:"));
    m_training.draw = ComboBox9;
}

QComboBox *Tfrm_options::makeDrawList(QWidget *page, const QString &name, const QString &heading)
{
    auto *list = new QComboBox(page);
    list->setObjectName(name);
    list->addItem(tr("At random"), int(Settings::Draw::AtRandom));
    list->addItem(tr("Shuffled, no repeats"), int(Settings::Draw::Shuffled));
    list->addItem(tr("In order"), int(Settings::Draw::InOrder));
    list->setToolTip(heading + QLatin1Char('\n')
                     + tr("At random: each Element drawn on its own, so some come again and others not at all.\n"
                          "Shuffled, no repeats: every Element of the range once, in a shuffled order; a larger "
                          "number of elements deals the range again, shuffled anew.\n"
                          "In order: the range as written, from its start; a larger number of elements goes on "
                          "from the start again."));
    return list;
}

void Tfrm_options::buildExamControls(QStyle *listStyle)
{
    Edit2 = makeEdit(TabSheet2, QStringLiteral("Edit2"));
    UpDown2 = new UpDown(Edit2, Settings::NumOfElMin, Settings::NumOfElMax, 20, TabSheet2);
    ComboBox4 = makeList(TabSheet2, m_modulesModel, QStringLiteral("ComboBox4"), listStyle);
    ComboBox4->setMinimumContentsLength(ModuleNameLength);
    ComboBox5 = makeList(TabSheet2, m_exam.elementsModel, QStringLiteral("ComboBox5"), listStyle);
    ComboBox6 = makeList(TabSheet2, m_exam.elementsModel, QStringLiteral("ComboBox6"), listStyle);

    LabelMistakes = new QLabel(TabSheet2);
    LabelMistakes->setObjectName(QStringLiteral("LabelMistakes"));
    LabelMistakes->setTextFormat(Qt::PlainText);
    LabelMistakes->setWordWrap(true);

    m_exam.number = Edit2;
    m_exam.module = ComboBox4;
    m_exam.from = ComboBox5;
    m_exam.to = ComboBox6;
    ComboBox10 = makeDrawList(TabSheet2, QStringLiteral("ComboBox10"), tr("How an Exam draws its Elements:"));
    m_exam.draw = ComboBox10;
    SpinEdit1 = new QSpinBox(TabSheet2);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(1, 100);
    SpinEdit1->setSuffix(tr(" %"));
    SpinEdit1->setValue(KeepFile::DefaultThreshold);
}

// Both pages lay out their common fields alike: the labels, then the
// fields; the range row holds both lists with "to" between them.
void Tfrm_options::layOutPage(Page page)
{
    PageControls &c = controls(page);
    QWidget *sheet = page == Page::Training ? TabSheet1 : TabSheet2;
    UpDown *numberSpin = page == Page::Training ? UpDown1 : UpDown2;
    auto *grid = new QGridLayout;
    grid->addWidget(makeLabel(tr("&Number of elements"), c.number), 0, 0);
    grid->addLayout(numberField(c.number, numberSpin), 0, 1);
    grid->addWidget(makeLabel(tr("&Module"), c.module), 1, 0);
    grid->addWidget(c.module, 1, 1);
    grid->setColumnStretch(1, 1);
    auto *range = new QHBoxLayout;
    range->addWidget(makeLabel(tr("&Range  from"), c.from));
    range->addWidget(c.from, 1);
    range->addWidget(makeLabel(tr("to"), c.to));
    range->addWidget(c.to, 1);
    grid->addLayout(range, 2, 0, 1, 2);
    grid->addWidget(makeLabel(tr("Dra&w"), c.draw), 3, 0);
    grid->addWidget(c.draw, 3, 1, Qt::AlignLeft);
    c.draw->setAccessibleName(tr("Draw"));
    // Screen readers name the fields as their labels do; the range
    // lists say which end of the range they are.
    c.number->setAccessibleName(tr("Number of elements"));
    c.module->setAccessibleName(tr("Module"));
    c.from->setAccessibleName(tr("Range from"));
    c.to->setAccessibleName(tr("Range to"));
    numberSpin->SetAccessibleNames(tr("Number of elements"));

    auto *column = new QVBoxLayout(sheet);
    column->setContentsMargins(8, 8, 8, 8);
    column->addLayout(grid);
    if (page == Page::Training)
        layOutTrainingExtras(grid, column);
    else {
        grid->addWidget(makeLabel(tr("Kept when right in order &at least"), SpinEdit1), 4, 0);
        grid->addWidget(SpinEdit1, 4, 1, Qt::AlignLeft);
        SpinEdit1->setAccessibleName(tr("Kept when right in order at least"));
        column->addWidget(LabelMistakes);
    }
    column->addStretch(1);
}

// The Training page's own rows below the common ones: the timer, the
// switches and the voice.
void Tfrm_options::layOutTrainingExtras(QGridLayout *grid, QVBoxLayout *column)
{
    grid->addWidget(makeLabel(tr("T&imer (MilliSec)"), Edit3), 4, 0);
    grid->addLayout(numberField(Edit3, UpDown3), 4, 1);
    Edit3->setAccessibleName(tr("Timer (MilliSec)"));
    UpDown3->SetAccessibleNames(tr("Timer"));
    auto *switches = new QGridLayout;
    switches->addWidget(CheckBox1, 0, 0);
    switches->addWidget(CheckBox3, 0, 1);
    switches->addWidget(CheckBox2, 1, 0);
    switches->addWidget(CheckBox4, 2, 0);
    switches->addWidget(CheckBox5, 2, 1);
    switches->addWidget(CheckBox6, 3, 0);
    switches->addWidget(CheckBox7, 3, 1);
    column->addLayout(switches);
    auto *voice = new QHBoxLayout;
    QLabel *voiceLabel = makeLabel(tr("&Language"), ComboBox7);
    QLabel *rateLabel = makeLabel(tr("R&ate"), ComboBox8);
    voice->addWidget(voiceLabel);
    voice->addWidget(ComboBox7, 1);
    voice->addWidget(rateLabel);
    voice->addWidget(ComboBox8);
    QLabel *pauseLabel = makeLabel(tr("Pause a&fter each"), ComboBox11);
    voice->addWidget(pauseLabel);
    voice->addWidget(ComboBox11);
    column->addLayout(voice);
    auto *trial = new QHBoxLayout;
    m_trialLabel = makeLabel(tr("Trial len&gth"), ComboBox12);
    trial->addWidget(m_trialLabel);
    trial->addWidget(ComboBox12);
    trial->addStretch(1);
    column->addLayout(trial);
    column->addWidget(LabelSpeech);
    column->addWidget(LabelPace);
    m_speechControls = {CheckBox4, CheckBox5, CheckBox6,  CheckBox7,  voiceLabel,   ComboBox7,
                        rateLabel, ComboBox8, pauseLabel, ComboBox11, m_trialLabel, ComboBox12};
}

// OK and Cancel below the pages, the word on an unreadable library above them.
void Tfrm_options::layOutForm()
{
    const Dialogs::OkCancel pair =
        Dialogs::MakeOkCancel(this, tr("&OK"), tr("&Cancel"), QStringLiteral("BitBtn1"), QStringLiteral("BitBtn2"));
    BitBtn1 = pair.ok;
    BitBtn2 = pair.cancel;

    QHBoxLayout *buttons = Dialogs::OkCancelRow(pair);
    LabelLibrary = new QLabel(this);
    LabelLibrary->setObjectName(QStringLiteral("LabelLibrary"));
    LabelLibrary->setTextFormat(Qt::PlainText);
    LabelLibrary->setWordWrap(true);
    LabelLibrary->setVisible(false);

    auto *form = new QVBoxLayout(this);
    form->setContentsMargins(8, 8, 8, 8);
    form->addWidget(LabelLibrary);
    form->addWidget(PageControl1, 1);
    form->addLayout(buttons);
}

void Tfrm_options::orderTabs()
{
    // Top to bottom, left to right; the Exam page's fields follow the
    // Training page's, as only one page is seen at a time.
    QWidget *order[] = {PageControl1, Edit1,      ComboBox1,  ComboBox2,  ComboBox3, ComboBox9, Edit3,
                        CheckBox1,    CheckBox3,  CheckBox2,  CheckBox4,  CheckBox5, CheckBox6, CheckBox7,
                        ComboBox7,    ComboBox8,  ComboBox11, ComboBox12, Edit2,     ComboBox4, ComboBox5,
                        ComboBox6,    ComboBox10, SpinEdit1,  BitBtn1,    BitBtn2};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Tfrm_options::setTrainingToolTips()
{
    Edit1->setToolTip(tr("How many Elements a Training shows"));
    ComboBox1->setToolTip(tr("The Module whose Elements a Training draws"));
    ComboBox2->setToolTip(tr("The first Element of the range a Training draws from"));
    ComboBox3->setToolTip(tr("The last Element of the range a Training draws from"));
    Edit3->setToolTip(tr("How long each Element stays on screen, in milliseconds"));
    CheckBox1->setToolTip(tr("Set five quick sums between showing the Elements and typing them back"));
    CheckBox2->setToolTip(tr("Each Element stays until you press Next (20 seconds at most), whatever the Timer says"));
    CheckBox3->setToolTip(tr("Show the counter (\"3 of 20\") while the Elements are shown"));
    CheckBox4->setToolTip(tr("Read each Element aloud as it is shown"));
    CheckBox5->setToolTip(tr("While the Elements are spoken, show only the counter, not the Element"));
    CheckBox6->setToolTip(tr("Read 1671 as \"one six seven one\" instead of as one number"));
    ComboBox7->setToolTip(tr("The language of the voice that reads the Elements"));
    ComboBox8->setToolTip(tr("How fast the voice reads"));
    CheckBox7->setToolTip(tr("The digits are spoken one on each Timer's time and heard once, with nothing on screen; "
                             "they are typed back as one line and scored until the first mistake. After \"Stop "
                             "test?\" the digits go on five back"));
    ComboBox12->setToolTip(tr("The number of digits of a trial in competitions; sets the number of elements"));
    ComboBox11->setToolTip(tr("The least silence between two spoken Elements, so that where the voice takes longer "
                              "than the Timer the Elements do not run together"));
}

void Tfrm_options::setExamToolTips()
{
    Edit2->setToolTip(tr("How many Elements an Exam shows; a tenth of them may be answered wrongly"));
    ComboBox4->setToolTip(tr("The Module whose Elements an Exam draws"));
    ComboBox5->setToolTip(tr("The first Element of the range an Exam draws from"));
    ComboBox6->setToolTip(tr("The last Element of the range an Exam draws from"));
    SpinEdit1->setToolTip(tr("A kept Module's run holds when at least this share of its Elements is right in order: "
                             "a run that holds climbs the ladder of 1, 3, 7, 14, 30, 60 and 120 days, one that "
                             "does not goes back to 1 day"));
}

// Said for the number of Elements set; for a text that is none, the rule
// in words.
void Tfrm_options::updateMistakeRule()
{
    bool isNumber = false;
    const int count = Edit2->text().toInt(&isNumber);
    LabelMistakes->setText(isNumber && count > 0
                               ? Exam::MistakeRule(count)
                               : tr("An Exam allows mistakes in a tenth of its Elements; one more ends it."));
}

Tfrm_options::~Tfrm_options() = default;

void Tfrm_options::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Tfrm_options::FormShow()
{
    Dialogs::Guard(this, [this] {
        probeSpeech();
        LoadOptions();
    });
}

void Tfrm_options::ComboBox1Change()
{
    Dialogs::Guard(this, [this] { fillRangeLists(Page::Training); });
}

void Tfrm_options::ComboBox4Change()
{
    Dialogs::Guard(this, [this] { fillRangeLists(Page::Exam); });
}

bool Tfrm_options::BitBtn1Click()
{
    // A number a run could not start with is refused here, in its field,
    // rather than at the next run.
    for (QLineEdit *field : {m_training.number, Edit3, m_exam.number}) {
        if (Platform::TryStrToInt(field->text(), nullptr))
            continue;
        PageControl1->setCurrentWidget(field == m_exam.number ? TabSheet2 : TabSheet1);
        field->setFocus();
        field->selectAll();
        Dialogs::ShowMessage(this, tr("\"%1\" is not a whole number. Type the number in digits.").arg(field->text()));
        return false;
    }
    bool written = false;
    Dialogs::Guard(this, [&] {
        Settings::Write(Settings::ConfigPath(), currentRecord());
        written = true;
    });
    if (written) {
        // What was found in the file has been replaced by what is shown.
        m_training.notice.clear();
        m_exam.notice.clear();
        if (KeepThreshold() != m_thresholdInForce)
            m_thresholdNotice.clear();
        putInForce();
    }
    return written;
}

void Tfrm_options::reject()
{
    showInForce();
    QDialog::reject();
}

void Tfrm_options::LoadOptions()
{
    loadModuleList();
    loadSettings();
    putInForce();
    updatePace(true);
}

bool Tfrm_options::TrainOn(const QString &moduleName)
{
    const QString path = Modules::LibraryPath();
    if (!Modules::LibraryProblem(path).isEmpty() || !Modules::ListModuleNames(path).contains(moduleName))
        return false;
    const Modules::ElementList elements = Modules::ReadModule(path, moduleName).Elements;
    Settings::PageValues training;
    // As many as it holds: drawn at random, each is asked once on average;
    // shuffled, each exactly once. The draw stays as chosen.
    training.NumOfEl = QString::number(
        std::clamp(int(elements.Size()), Settings::NumOfElMin, Settings::TrainingBounds(false).numOfElMax));
    training.ModuleName = moduleName;
    if (!elements.IsEmpty()) {
        training.range.from = elements.Text(0);
        training.range.to = elements.Text(elements.Size() - 1);
    }
    Settings::WriteTraining(Settings::ConfigPath(), training);
    LoadOptions();
    return true;
}

Settings::RunOptions Tfrm_options::InForce(Page page) const
{
    const PageInForce &p = controls(page).inForce;
    Settings::RunOptions run;
    run.page.NumOfEl = p.number;
    run.page.ModuleName = p.module;
    run.elements = p.elements;
    run.rangeFrom = p.from;
    run.rangeTo = p.to;
    if (p.from >= 0)
        run.page.range.from = p.elements.Text(p.from);
    if (p.to >= 0)
        run.page.range.to = p.elements.Text(p.to);
    run.page.draw = p.draw;
    if (!p.notice.isEmpty())
        run.notices << p.notice;
    if (!m_thresholdNotice.isEmpty())
        run.notices << m_thresholdNotice;
    if (page == Page::Exam)
        return run;
    run.DoExercises = m_exercisesInForce;
    run.IfNoTimeLimit = m_unlimitedInForce;
    run.IfShowNum = m_serialNumberInForce;
    run.speech = m_speechInForce;
    run.speech.IfSpeak = Speech::Built() && m_speechInForce.IfSpeak;
    QString notice;
    run.TimerMSec = Settings::UsableTimer(m_timerInForce, run.speech.IfSpeak, &notice);
    // Without a time limit the timer is not used.
    if (!notice.isEmpty() && !run.IfNoTimeLimit)
        run.notices << notice;
    return run;
}

QStringList Tfrm_options::TakeNotices(Page page)
{
    QStringList untold;
    for (const QString &notice : InForce(page).notices) {
        if (!m_told.contains(notice)) {
            m_told << notice;
            untold << notice;
        }
    }
    return untold;
}

void Tfrm_options::putInForce()
{
    for (Page page : {Page::Training, Page::Exam}) {
        PageControls &c = controls(page);
        c.inForce = PageInForce{c.number->text(), ModuleName(page), c.elements,  RangeFrom(page),
                                RangeTo(page),    c.notice,         DrawOf(page)};
    }
    m_timerInForce = Edit3->text();
    m_exercisesInForce = CheckBox1->isChecked();
    m_unlimitedInForce = CheckBox2->isChecked();
    m_serialNumberInForce = CheckBox3->isChecked();
    m_thresholdInForce = KeepThreshold();
    m_speechInForce = Settings::Speech{CheckBox4->isChecked(), CheckBox5->isChecked(), VoiceName(),
                                       SpeechRate(),           CheckBox6->isChecked(), PauseMs(),
                                       CheckBox7->isChecked()};
}

void Tfrm_options::showInForce()
{
    for (Page page : {Page::Training, Page::Exam}) {
        PageControls &c = controls(page);
        c.number->setText(c.inForce.number);
        const QStringList names = m_modulesModel->stringList();
        c.module->setCurrentIndex(c.inForce.module.isEmpty() ? -1 : int(names.indexOf(c.inForce.module)));
        c.elements = c.inForce.elements;
        c.elementsModel->SetElements(c.elements);
        c.from->setCurrentIndex(c.inForce.from);
        c.to->setCurrentIndex(c.inForce.to);
        selectDraw(page, c.inForce.draw);
    }
    Edit3->setText(m_timerInForce);
    CheckBox1->setChecked(m_exercisesInForce);
    CheckBox2->setChecked(m_unlimitedInForce);
    CheckBox3->setChecked(m_serialNumberInForce);
    SpinEdit1->setValue(m_thresholdInForce);
    loadSpeech(m_speechInForce);
}

void Tfrm_options::fitSize() { setFixedSize(sizeHint().expandedTo(QSize(314, 239))); }

void Tfrm_options::loadModuleList()
{
    const QString path = Modules::LibraryPath();
    const QString problem = Modules::LibraryProblem(path);
    m_libraryUnreadable = !problem.isEmpty();
    LabelLibrary->setText(m_libraryUnreadable ? tr("The Module library could not be read (%1). The Module "
                                                   "and range choices stored in the options are kept.")
                                                    .arg(problem)
                                              : QString());
    if (LabelLibrary->isVisibleTo(this) != m_libraryUnreadable) {
        LabelLibrary->setVisible(m_libraryUnreadable);
        fitSize();
    }
    m_modulesModel->setStringList(m_libraryUnreadable ? QStringList() : Modules::ListModuleNames(path));
    ComboBox1->setCurrentIndex(-1);
    ComboBox4->setCurrentIndex(-1);
}

void Tfrm_options::loadSettings()
{
    const Settings::Record record = Settings::Read(Settings::ConfigPath());
    m_loaded = record;
    Edit1->setText(record.training.NumOfEl);
    Edit3->setText(record.TimerMSec);
    selectModule(Page::Training, record.training.ModuleName);
    const PageControls &t = m_training;
    t.from->setCurrentIndex(Settings::FromIndex(t.elements, record.training.range.from));
    t.to->setCurrentIndex(Settings::ToIndex(t.elements, record.training.range.to));
    CheckBox1->setChecked(record.DoExercises);
    CheckBox2->setChecked(record.IfNoTimeLimit);
    CheckBox3->setChecked(record.IfShowNum);
    selectDraw(Page::Training, record.training.draw);
    loadSpeech(record.speech.value_or(Settings::Speech()));

    Edit2->setText(record.exam.NumOfEl);
    selectModule(Page::Exam, record.exam.ModuleName);
    const PageControls &e = m_exam;
    e.from->setCurrentIndex(Settings::FromIndex(e.elements, record.exam.range.from));
    e.to->setCurrentIndex(Settings::ToIndex(e.elements, record.exam.range.to));
    selectDraw(Page::Exam, record.exam.draw);
    loadThreshold();
}

// The stored keep threshold, or the default with a notice when the file
// holds one the spin box could not have set.
void Tfrm_options::loadThreshold()
{
    const QString path = Settings::ConfigPath();
    const int used = KeepFile::Threshold(path);
    SpinEdit1->setValue(used);
    const QString stored = ProfileFile(path, ProfileFile::Access::Direct)
                               .ReadText(KeepFile::KeepSection, KeepFile::ThresholdKey, QString());
    qint32 number = 0;
    const bool usable = stored.isEmpty() || (Profile::ParseNumber(stored, &number) && number == used);
    m_thresholdNotice = usable ? QString()
                               : tr("The keep threshold stored in config.ini, %1, is not a whole number from 1 to "
                                    "100; %2 % is used instead.")
                                     .arg(stored)
                                     .arg(used);
}

void Tfrm_options::selectDraw(Page page, Settings::Draw draw)
{
    QComboBox *list = controls(page).draw;
    list->setCurrentIndex(qMax(0, list->findData(int(draw))));
}

void Tfrm_options::probeSpeech()
{
    if (!Speech::Built())
        return;
    // A check still under way from the last opening is given up.
    if (m_speechCheck)
        m_speechCheck.release()->deleteLater();
    std::unique_ptr<Speech::Speaker> speaker = Speech::Create();
    m_speechProbed = true;
    m_speechChecking = false;
    m_speechProblem = speaker ? speaker->Problem() : tr("No speech engine is installed");
    m_voices = speaker ? speaker->Voices() : QStringList();
    m_voiceNames = speaker ? shownVoiceNames(*speaker, m_voices) : QStringList();
    // Then the variants of the voice's sound, for the language the texts choose.
    for (const QString &variant : speaker ? speaker->Variants() : QStringList()) {
        m_voices << u'+' + variant;
        m_voiceNames << tr("System default: %1").arg(Speech::ShownVariant(variant));
    }
    if (!speaker || !m_speechProblem.isEmpty())
        return;
    m_speechChecking = true;
    m_speechCheck = std::move(speaker);
    connect(m_speechCheck.get(), &Speech::Speaker::Reached, this, [this] { speechChecked(); });
    m_speechCheck->Reach(SpeechCheckMs);
}

void Tfrm_options::speechChecked()
{
    if (!m_speechCheck)
        return;
    m_speechChecking = false;
    m_speechProblem = m_speechCheck->Problem();
    // Answered from within the speaker: it goes once that has returned.
    m_speechCheck.release()->deleteLater();
    updateSpeechControls();
}

void Tfrm_options::loadSpeech(const Settings::Speech &speech)
{
    // "System default" first, then the engine's voices and its variants.
    // Before the engine has been asked, the stored voice stands for itself.
    ComboBox7->clear();
    ComboBox7->addItem(tr("System default"));
    // Each shown in the user's words, kept by the engine's name.
    for (qsizetype i = 0; i < m_voices.size(); ++i)
        ComboBox7->addItem(m_voiceNames.at(i), m_voices.at(i));
    if (!m_speechProbed && !speech.TVoice.isEmpty())
        ComboBox7->addItem(speech.TVoice, speech.TVoice);
    ComboBox7->setCurrentIndex(
        qMax(0, ComboBox7->findData(speech.TVoice, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive)));
    // The rate offered nearest to the stored one.
    const auto nearest = std::min_element(std::begin(Rates), std::end(Rates), [&](const Rate &a, const Rate &b) {
        return qAbs(a.tenths - speech.TSpeechRate) < qAbs(b.tenths - speech.TSpeechRate);
    });
    ComboBox8->setCurrentIndex(int(nearest - std::begin(Rates)));
    // The pause offered nearest to the stored one, within the bounds.
    ComboBox11->setCurrentIndex((Settings::PausedMs(speech) - Settings::PauseMin + 50) / 100);
    // Ticked as stored also where nothing can be spoken: the page says why,
    // and the box can then be turned off (not on).
    CheckBox4->setChecked(speech.IfSpeak);
    CheckBox5->setChecked(speech.IfHideEl);
    CheckBox6->setChecked(speech.IfDigits);
    CheckBox7->setChecked(speech.IfSpokenNum);
    selectTrial();
    updateSpeechControls();
    fitSize(); // the dialog's size is fixed: it follows the voice list's items
}

void Tfrm_options::updateSpeechControls()
{
    const bool usable = Speech::Built() && !m_speechChecking && m_speechProblem.isEmpty();
    CheckBox4->setEnabled(usable || (Speech::Built() && CheckBox4->isChecked()));
    const bool on = usable && CheckBox4->isChecked();
    // A spoken run goes less fast than a silent one: the voice needs its time.
    UpDown3->SetMin(Settings::TrainingBounds(on).timerMin);
    for (QWidget *w : std::as_const(m_speechControls))
        if (w != CheckBox4)
            w->setEnabled(on);
    // The trial lengths are the discipline's.
    ComboBox12->setEnabled(on && CheckBox7->isChecked());
    if (m_trialLabel)
        m_trialLabel->setEnabled(ComboBox12->isEnabled());
    if (m_speechChecking)
        LabelSpeech->setText(tr("Checking the voice…"));
    else
        LabelSpeech->setText(usable ? QString() : tr("Speech is not available: %1.").arg(m_speechProblem));
    const bool said = Speech::Built() && !usable;
    if (LabelSpeech->isVisibleTo(this) != said) {
        LabelSpeech->setVisible(said);
        fitSize();
    }
    updatePace(false);
}

void Tfrm_options::updatePace(bool rescan)
{
    if (rescan) {
        const int from = RangeFrom(Page::Training);
        const int to = RangeTo(Page::Training);
        m_paceDigits =
            from < 0 || to < 0 ? 0 : Settings::LongestNumber(m_training.elements, qMin(from, to), qMax(from, to));
    }
    bool isNumber = false;
    const int timerMs = Edit3->text().toInt(&isNumber);
    const bool shown = ReadDigits() && CheckBox6->isEnabledTo(this) && isNumber && m_paceDigits > 0;
    if (shown) {
        // The discipline keeps the digits on their time, with no pause of its own.
        const int pauseMs = CheckBox7->isChecked() ? 0 : PauseMs();
        const Settings::SpokenPace pace = Settings::PaceOf(m_paceDigits, SpeechRate(), pauseMs, timerMs);
        const auto seconds = [](int ms) { return QLocale().toString(ms / 1000.0, 'f', 1); };
        LabelPace->setText(pace.elementMs > pace.timerMs
                               ? tr("Longest Element: %n digit(s) ≈ %1 s spoken + %2 s pause, longer than the Timer "
                                    "(%3 s): the run will go at about %4 s an Element",
                                    nullptr, pace.digits)
                                     .arg(seconds(pace.spokenMs), seconds(pace.pauseMs), seconds(pace.timerMs),
                                          seconds(pace.elementMs))
                               : tr("Longest Element: %n digit(s) ≈ %1 s spoken + %2 s pause, within the Timer "
                                    "(%3 s): the run keeps its pace",
                                    nullptr, pace.digits)
                                     .arg(seconds(pace.spokenMs), seconds(pace.pauseMs), seconds(pace.timerMs)));
    }
    if (LabelPace->isVisibleTo(this) != shown) {
        LabelPace->setVisible(shown);
        fitSize();
    }
}

std::optional<Settings::Speech> Tfrm_options::currentSpeech() const
{
    // Where nothing can be spoken the page has nothing to say about speech,
    // but that a stored "Speak Elements" was turned off.
    if (!Speech::Built())
        return std::nullopt;
    if (m_speechChecking || !m_speechProblem.isEmpty()) {
        if (!m_loaded.speech || !m_loaded.speech->IfSpeak || CheckBox4->isChecked())
            return std::nullopt;
        Settings::Speech off = *m_loaded.speech;
        off.IfSpeak = false;
        return off;
    }
    Settings::Speech speech;
    speech.IfSpeak = SpeakElements();
    speech.IfHideEl = CheckBox5->isChecked();
    speech.TVoice = VoiceName();
    speech.TSpeechRate = SpeechRate();
    speech.IfDigits = CheckBox6->isChecked();
    speech.TPauseMSec = PauseMs();
    speech.IfSpokenNum = CheckBox7->isChecked();
    return speech;
}

void Tfrm_options::selectModule(Page page, const QString &storedName)
{
    PageControls &c = controls(page);
    const QStringList names = m_modulesModel->stringList();
    c.module->setCurrentIndex(Settings::ModuleIndex(names, storedName));
    c.notice.clear();
    if (!storedName.isEmpty() && !names.isEmpty() && !names.contains(storedName))
        c.notice = (page == Page::Training ? tr("The Training Module stored in config.ini, \"%1\", is not in the "
                                                "library; \"%2\" is used instead.")
                                           : tr("The Exam Module stored in config.ini, \"%1\", is not in the "
                                                "library; \"%2\" is used instead."))
                       .arg(storedName, ModuleName(page));
    // Without a Module the range lists hold no Elements either.
    fillRangeLists(page);
}

void Tfrm_options::fillRangeLists(Page page)
{
    PageControls &c = controls(page);
    c.elements = Modules::ElementList();
    c.elementsModel->SetElements(c.elements);
    if (c.module->currentIndex() >= 0)
        c.elements = Modules::ReadModule(Modules::LibraryPath(), ModuleName(page)).Elements;
    c.elementsModel->SetElements(c.elements);
    c.from->setCurrentIndex(c.elements.IsEmpty() ? -1 : 0);
    c.to->setCurrentIndex(int(c.elements.Size()) - 1);
}

Settings::PageValues Tfrm_options::currentPageValues(Page page) const
{
    Settings::PageValues out;
    out.NumOfEl = NumberOfElementsText(page);
    out.ModuleName = ModuleName(page);
    const int from = RangeFrom(page);
    const int to = RangeTo(page);
    out.range.from = from >= 0 ? ElementAt(page, from) : QString();
    out.range.to = to >= 0 ? ElementAt(page, to) : QString();
    out.draw = DrawOf(page);
    return out;
}

Settings::Record Tfrm_options::currentRecord() const
{
    Settings::Record record;
    record.training = currentPageValues(Page::Training);
    record.TimerMSec = TimerText();
    record.DoExercises = DoExercises();
    record.IfNoTimeLimit = UnlimitedTime();
    record.IfShowNum = ShowSerialNumber();
    record.speech = currentSpeech();
    record.exam = currentPageValues(Page::Exam);
    // Written only when changed: a stored value the spin box can't show stays.
    if (KeepThreshold() != m_thresholdInForce)
        record.keepThreshold = KeepThreshold();
    if (m_libraryUnreadable) {
        record.training.ModuleName = m_loaded.training.ModuleName;
        record.training.range = m_loaded.training.range;
        record.exam.ModuleName = m_loaded.exam.ModuleName;
        record.exam.range = m_loaded.exam.range;
    }
    return record;
}

// ---------------------------------------------------------------- published values

QString Tfrm_options::NumberOfElementsText(Page page) const { return controls(page).number->text(); }

QString Tfrm_options::TimerText() const { return Edit3->text(); }

QString Tfrm_options::ModuleName(Page page) const
{
    const int index = controls(page).module->currentIndex();
    const QStringList names = m_modulesModel->stringList();
    return index >= 0 && index < names.size() ? names.at(index) : QString();
}

int Tfrm_options::ElementTotal(Page page) const { return int(controls(page).elements.Size()); }

QString Tfrm_options::ElementAt(Page page, int index) const
{
    const Modules::ElementList &elements = controls(page).elements;
    return index >= 0 && index < elements.Size() ? elements.Text(index) : QString();
}

int Tfrm_options::RangeFrom(Page page) const { return controls(page).from->currentIndex(); }

int Tfrm_options::RangeTo(Page page) const { return controls(page).to->currentIndex(); }

bool Tfrm_options::DoExercises() const { return CheckBox1->isChecked(); }

bool Tfrm_options::UnlimitedTime() const { return CheckBox2->isChecked(); }

bool Tfrm_options::ShowSerialNumber() const { return CheckBox3->isChecked(); }

bool Tfrm_options::SpeakElements() const { return Speech::Built() && CheckBox4->isChecked(); }

bool Tfrm_options::ReadDigits() const { return SpeakElements() && CheckBox6->isChecked(); }

bool Tfrm_options::HideElements() const { return SpeakElements() && CheckBox5->isChecked(); }

QString Tfrm_options::VoiceName() const
{
    return ComboBox7->currentIndex() > 0 ? ComboBox7->currentData().toString() : QString();
}

int Tfrm_options::SpeechRate() const { return ComboBox8->currentData().toInt(); }

void Tfrm_options::selectTrial()
{
    // The trial whose length is typed, or none.
    const QSignalBlocker quiet(ComboBox12);
    ComboBox12->setCurrentIndex(ComboBox12->findData(Edit1->text().trimmed().toInt()));
}

int Tfrm_options::KeepThreshold() const { return SpinEdit1->value(); }

int Tfrm_options::PauseMs() const { return ComboBox11->currentData().toInt(); }

Settings::Draw Tfrm_options::DrawOf(Page page) const
{
    return Settings::DrawFromNumber(controls(page).draw->currentData().toInt());
}
