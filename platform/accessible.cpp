#include "platform/accessible.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace {

class DropDown : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit DropDown(QComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // The popup list is the one child, as with Qt's own drop-down.
    int childCount() const override { return box()->view() ? 1 : 0; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && box()->view() ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && box()->view() && child->object() == box()->view() ? 0 : -1;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return current();
        const QString own = QAccessibleWidget::text(t);
        // Without a caption of its own it is known by what it shows.
        return t == QAccessible::Name && own.isEmpty() ? current() : own;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = box()->view() && box()->view()->isVisible();
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override
    {
        if (name == showMenuAction() || name == pressAction()) {
            if (box()->view()->isVisible())
                box()->hidePopup();
            else
                box()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

    // The text: the entry shown, read only.
    QString text(int startOffset, int endOffset) const override
    {
        return current().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(current().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        return QString();
    }

private:
    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }
    QString current() const { return box()->currentText(); }
};

class SwitchButton : public QAccessibleWidget
{
public:
    explicit SwitchButton(ListSwitch *button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        return t == QAccessible::Name && own.isEmpty() ? button()->text().remove(QLatin1Char('&')) : own;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override
    {
        if (name == pressAction() || name == toggleAction())
            button()->toggle();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    ListSwitch *button() const { return static_cast<ListSwitch *>(widget()); }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    // An editable drop-down has its line edit to read; Qt's own serves it.
    if (className == QLatin1String("QComboBox") && object->isWidgetType()
        && !static_cast<QComboBox *>(object)->isEditable())
        return new DropDown(static_cast<QComboBox *>(object));
    if (className == QLatin1String("ListSwitch") && object->isWidgetType())
        return new SwitchButton(static_cast<ListSwitch *>(object));
    return nullptr;
}

} // namespace

namespace Accessible {

void Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace Accessible

ListSwitch::ListSwitch(QWidget *parent)
    : QToolButton(parent)
{
    setCheckable(true);
}

ListSwitch::~ListSwitch() = default;
