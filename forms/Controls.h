#pragma once
// The controls that the windows are built from, on Qt widgets: label, text
// box, command button, image and picture box. Each is placed at a rectangle
// of its parent given in pixels (the windows give it in twips, see Twips.h).
// Within one parent a control created earlier lies above every control
// created after it, so a window lists its controls front to back and this
// layer stacks them.
// What a control does when clicked is given by the window that owns it.
// Pictures are drawn sharp at the device pixel ratio of the screen they are
// on. A screen reader hears what the eye sees (see Image and Label).

#include "forms/Pictures.h"

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include <functional>

namespace forms {

// Places a new child at its rectangle, beneath the siblings created before
// it, and shows it.
void placeControl(QWidget* control, const QRect& place);

void setBackground(QWidget* widget, const QColor& colour);
void setForeground(QWidget* widget, const QColor& colour);

// A caption. CR LF in a caption starts a new line; a line longer than the
// label wraps between words. A label takes no click of its own.
class Label : public QLabel {
public:
    Label(QWidget* parent, const QRect& place, const QString& caption = {});
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    void setColours(const QColor& back, const QColor& text);
    // A label that shows a value: a screen reader hears the caption after
    // what it is, "Impulsions : 4", and an empty one as "Impulsions : vide".
    void setAccessibleTitle(const QString& title);

private:
    void updateAccessibleName();

    QString caption_;
    QString title_;
};

// A single-line text box. Every change of its text, by the learner or by a
// write that changes it, calls the change handler, a write inside the write
// itself; a write of the text it already holds, or an edit that leaves the
// text as it was (typing or pasting over a selection the same text), calls
// nothing. While locked the learner cannot edit it; the program's writes
// still work.
// A key held with Alt or Meta (Super) is a command, never a character of the
// text: the box types nothing for it and leaves it to its window. AltGr is
// neither, so the characters a layout gives through it type as usual; Ctrl's
// copy, cut, paste and undo, and every other edit, are Qt's own.
class TextBox : public QLineEdit {
public:
    TextBox(QWidget* parent, const QRect& place);
    void onChange(std::function<void()> handler);
    void setLocked(bool locked) { setReadOnly(locked); }
    bool locked() const { return isReadOnly(); }
    // Asks for the keyboard focus. On a hidden window the box becomes the
    // window's focus child and has the focus when the window is next shown.
    void takeFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;

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
    CommandButton(QWidget* parent, const QRect& place, const QString& caption);
    void onClick(std::function<void()> handler);
};

// A picture at natural size that can be shown, hidden and clicked. Its
// visible flag reads back the last value set, whether or not its window is
// shown. A visible image takes a click at its place, with or without a
// handler, so nothing beneath it receives it. Two quick clicks are two
// clicks: the second press of a double click is a press like the first.
//
// A screen reader hears an image by its accessible name, as a button with a
// press action while it answers a click. Two images paired at one place (a
// lamp's unlit and lit pictures, a cell's "0" and "1") are heard as one
// object, the first image, that says what the eye sees: the name, and the
// click if any, of the one in front among those visible.
class Image : public QWidget {
public:
    Image(QWidget* parent, const QRect& place, const Picture& picture);
    void onClick(std::function<void()> handler);
    void setShown(bool shown);
    bool shown() const { return !isHidden(); }
    const Picture& picture() const { return picture_; }

    // Pairs two images of one parent at one place: `first` speaks for both.
    static void pair(Image& first, Image& second);
    bool paired() const { return partner_ != nullptr; }
    // The one heard for this image's pair: this one when it is alone.
    const Image& speaker() const { return paired() && !speaks_ ? *partner_ : *this; }
    // The image of the pair that is seen: the one in front among those
    // whose visible flag is set; none when neither is.
    const Image* seen() const;
    bool answersClick() const { return bool(clicked_); }
    // What a click on the image does.
    void click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool inFrontOf(const Image& other) const;
    void tellScreenReader(const Image* seenBefore);

    Picture picture_;
    std::function<void()> clicked_;
    bool pressed_ = false;
    Image* partner_ = nullptr;
    bool speaks_ = true;
};

// A picture box: a panel with a 2-pixel sunken edge whose inside, where its
// children and its picture lie, starts 2 pixels within its outer edge.
class PictureBox : public QFrame {
public:
    PictureBox(QWidget* parent, const QRect& place, const QColor& back, const Picture& picture = {});
    QWidget* inside() const { return inside_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* inside_;
};

} // namespace forms
