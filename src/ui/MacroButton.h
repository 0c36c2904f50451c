#pragma once

#include <QLineEdit>

// A locked, centred text box that serves as a macro button: it reports a left click and the
// mouse moving over it, and takes no focus and no selection.
class MacroButton final : public QLineEdit
{
    Q_OBJECT

public:
    MacroButton(int index, QWidget* parent);

    int Index() const;
    // Where the number stands: all of the box inside its border. A line edit keeps a margin
    // for its cursor on either side, which leaves a 17 px box too narrow for "20".
    QRect NumberRect() const;
    // The font the number is drawn in: the box's own, or a smaller size of it where a face
    // wider than the design's would not fit the number in.
    QFont NumberFont() const;

Q_SIGNALS:
    void clicked(int index);
    void hovered(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int index_;
    bool afterDoubleClick_ = false; // a double click is one click, as on any button
};
