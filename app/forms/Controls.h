#pragma once
// The controls that the windows are built from, on Qt widgets: label, text
// box, command button, image and picture box. Each is placed at a design
// rectangle in twips inside its parent. Within one parent a control created
// earlier lies above every control created after it (the design order), so a
// window lists its controls front to back and the layer stacks them.
// What a control does when clicked is given by the window that owns it.

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include <functional>

namespace forms {

// Places a new child at its design rectangle, beneath the siblings created
// before it, and shows it.
void placeControl(QWidget* control, const QRect& twips);

void setBackground(QWidget* widget, const QColor& colour);
void setForeground(QWidget* widget, const QColor& colour);

// A caption. CR LF in a caption starts a new line; a line longer than the
// label wraps between words. A label takes no click of its own.
class Label : public QLabel {
public:
    Label(QWidget* parent, const QRect& twips, const QString& caption = {});
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    void setColours(const QColor& back, const QColor& text);

private:
    QString caption_;
};

// A single-line text box. Every change of its text, by the learner or by a
// write that changes it, calls the change handler, a write inside the write
// itself; a write of the text it already holds, or an edit that leaves the
// text as it was (typing or pasting over a selection the same text), calls
// nothing. While locked the learner cannot edit it; the program's writes
// still work.
class TextBox : public QLineEdit {
public:
    TextBox(QWidget* parent, const QRect& twips);
    void onChange(std::function<void()> handler);
    void setLocked(bool locked) { setReadOnly(locked); }
    bool locked() const { return isReadOnly(); }
    // Asks for the keyboard focus. On a hidden window the box becomes the
    // window's focus child and has the focus when the window is next shown.
    void takeFocus();

private:
    void reportChange(const QString& text);

    std::function<void()> changed_;
    // The text as the change handler was last told of it.
    QString reported_;
};

// A push button. Its face and outline look alike on every window and panel;
// only a face colour that the window sets changes it.
class CommandButton : public QPushButton {
public:
    CommandButton(QWidget* parent, const QRect& twips, const QString& caption);
    void onClick(std::function<void()> handler);
};

// A picture at natural size that can be shown, hidden and clicked. Its
// visible flag reads back the last value set, whether or not its window is
// shown. A visible image takes a click at its place, with or without a
// handler, so nothing beneath it receives it. Two quick clicks are two
// clicks: the second press of a double click is a press like the first.
class Image : public QWidget {
public:
    Image(QWidget* parent, const QRect& twips, const QPixmap& picture);
    void onClick(std::function<void()> handler);
    void setShown(bool shown) { setVisible(shown); }
    bool shown() const { return !isHidden(); }
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    std::function<void()> clicked_;
    bool pressed_ = false;
};

// A picture box: a panel with a 2-pixel sunken edge whose inside, where its
// children and its picture lie, starts 2 pixels within its outer edge.
class PictureBox : public QFrame {
public:
    PictureBox(QWidget* parent, const QRect& twips, const QColor& back,
               const QPixmap& picture = {});
    QWidget* inside() const { return inside_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* inside_;
};

} // namespace forms
