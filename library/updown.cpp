#include "library/updown.h"

#include "library/settings.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

UpDown::UpDown(QLineEdit *buddy, int min, int max, int position, QWidget *parent)
    : QWidget(parent)
    , m_buddy(buddy)
    , m_min(min)
    , m_max(max)
    , m_position(position)
{
    UpButton = new QToolButton(this);
    UpButton->setArrowType(Qt::UpArrow);
    DownButton = new QToolButton(this);
    DownButton->setArrowType(Qt::DownArrow);
    for (QToolButton *button : {UpButton, DownButton}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }
    SetAccessibleNames(tr("Number"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    connect(UpButton, &QToolButton::clicked, this, [this] { Step(1); });
    connect(DownButton, &QToolButton::clicked, this, [this] { Step(-1); });
    m_buddy->installEventFilter(this);
    m_buddy->setText(QString::number(m_position));
}

UpDown::~UpDown() = default;

void UpDown::SetAccessibleNames(const QString &field)
{
    UpButton->setAccessibleName(tr("%1 up").arg(field));
    DownButton->setAccessibleName(tr("%1 down").arg(field));
}

QSize UpDown::sizeHint() const { return {16, m_buddy->sizeHint().height()}; }

void UpDown::Step(int step)
{
    m_position = Settings::SpinStep(m_buddy->text(), m_position, step, m_min, m_max);
    m_buddy->setText(QString::number(m_position));
}

bool UpDown::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_buddy && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
                Step(key->key() == Qt::Key_Up ? 1 : -1);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    UpButton->setGeometry(0, 0, width(), half);
    DownButton->setGeometry(0, half, width(), height() - half);
}
