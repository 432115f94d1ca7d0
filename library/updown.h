#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// Spin buttons attached to a line edit. A press steps the edit's number by
// one within the limits and writes it back as plain digits; the Up and
// Down keys in the edit press them too. When the edit's text is not a
// number the last position is stepped. The edit itself accepts any text.
class UpDown : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UpDown)

public:
    UpDown(QLineEdit *buddy, int min, int max, int position, QWidget *parent);
    ~UpDown() override;

    int Min() const { return m_min; }
    int Max() const { return m_max; }
    int Position() const { return m_position; }
    void SetMin(int min) { m_min = min; }

    // What one press of the up (+1) or down (-1) button does.
    void Step(int step);

    // Names the buttons for screen readers after the field they step.
    void SetAccessibleNames(const QString &field);

    // As wide as a spin button, as high as the field.
    QSize sizeHint() const override;

    QToolButton *UpButton = nullptr;
    QToolButton *DownButton = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QLineEdit *m_buddy;
    int m_min;
    int m_max;
    int m_position;
};
