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
void placeControl(QWidget *control, const QRect &place);

void setBackground(QWidget *widget, const QColor &colour);
// The desktop's face colour, which a picture box that names no colour of
// its own takes.
QColor defaultBoxColour();
void setForeground(QWidget *widget, const QColor &colour);

// A caption. CR LF in a caption starts a new line; a line longer than the
// label wraps between words. A label takes no click of its own.
class Label : public QLabel
{
public:
    Label(QWidget *parent, const QRect &place, const QString &caption = {});
    void setCaption(const QString &caption);
    QString caption() const { return caption_; }
    void setColours(const QColor &back, const QColor &text);
    // A label that shows a value: a screen reader hears the caption after
    // what it is, "Impulsions : 4", and an empty one as "Impulsions : vide".
    void setAccessibleTitle(const QString &title);
    // A label that only draws, such as a rule of underscores: a screen
    // reader does not hear it.
    void setDecorative(bool decorative) { decorative_ = decorative; }
    bool decorative() const { return decorative_; }

private:
    void updateAccessibleName();

    QString caption_;
    QString title_;
    bool decorative_ = false;
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
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    TextBox(QWidget *parent, const QRect &place);
    void setLocked(bool locked) { setReadOnly(locked); }
    bool locked() const { return isReadOnly(); }
    // Asks for the keyboard focus. On a hidden window the box becomes the
    // window's focus child and has the focus when the window is next shown.
    void takeFocus();

Q_SIGNALS:
    // The text changed, by the learner or by a write; see above.
    void changed();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void reportChange(const QString &text);

    // The text as the change handler was last told of it.
    QString reported_;
};

// A push button. Its face and outline look alike on every window and panel;
// only a face colour that the window sets changes it.
class CommandButton : public QPushButton
{
public:
    CommandButton(QWidget *parent, const QRect &place, const QString &caption);
};

// A picture at natural size that can be shown, hidden and clicked. Its
// shown flag reads back the last value set, whether or not its window is
// shown. A shown image takes a click at its place, with or without a
// handler, so nothing beneath it receives it; a hidden one draws nothing and
// lets every click through. Two quick clicks are two clicks: the second press
// of a double click is a press like the first. A picture hidden while it is
// pressed takes no click from the release.
//
// Two images paired at one place (a lamp's unlit and lit pictures, a cell's
// "0" and "1") are one widget on screen: the one in front draws the picture
// seen, takes the clicks for it and speaks for both, and the other is never
// shown as a widget. Showing and hiding a picture is the program's own
// state, never a window-system change, so a screen reader hears one object
// per pair, named after the picture seen (see AccessibleControls.h).
class Image : public QWidget
{
    Q_OBJECT
public:
    Image(QWidget *parent, const QRect &place, const Picture &picture);
    // What a click on the picture does. A picture with a handler answers a
    // click; one without takes the click and does nothing.
    void setClickHandler(std::function<void()> handler);
    void setShown(bool shown);
    bool shown() const { return shown_; }
    const Picture &picture() const { return picture_; }
    // The mouse cursor over the picture while it is the one seen.
    void setCursorShape(Qt::CursorShape shape);

    // Pairs two images of one parent at one place, each with the name a
    // screen reader hears while it is the one seen.
    static void pair(Image &first, const QString &firstName, Image &second, const QString &secondName);
    bool paired() const { return partner_ != nullptr; }
    // The other image of the pair; none when this one is alone.
    const Image *partner() const { return partner_; }
    // The one that draws and speaks for this image's pair: this one when it
    // is alone.
    const Image &speaker() const { return paired() && !speaks_ ? *partner_ : *this; }
    // What a screen reader hears of this image: its pair's name for it, or
    // the widget's accessible name when it is alone.
    QString heardName() const { return paired() ? pairName_ : accessibleName(); }
    // The image of the pair that is seen: the one in front among those
    // shown; none when neither is.
    const Image *seen() const;
    bool answersClick() const { return bool(clicked_); }
    // What a click on the image does.
    void click() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The speaker, which also draws for the pair.
    Image &drawer() { return paired() && !speaks_ ? *partner_ : *this; }
    bool inFrontOf(const Image &other) const;
    // Brings the drawing widget up to date with the picture seen.
    void showSeen();
    void tellScreenReader(const Image *seenBefore);

    Picture picture_;
    std::function<void()> clicked_;
    bool shown_ = true;
    Qt::CursorShape cursorShape_ = Qt::ArrowCursor;
    Image *partner_ = nullptr;
    bool speaks_ = true;
    QString pairName_;
    // The picture under a press not yet released, on the drawing widget.
    const Image *pressed_ = nullptr;
};

// A picture box: a panel with a 2-pixel sunken edge whose inside, where its
// children and its picture lie, starts 2 pixels within its outer edge. A
// screen reader hears it as a panel, by the accessible name that the window
// gives it.
class PictureBox : public QFrame
{
    Q_OBJECT
public:
    PictureBox(QWidget *parent, const QRect &place, const QColor &back, const Picture &picture = {});
    QWidget *inside() const { return inside_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *inside_;
};

// The inside of a picture box: its picture at the top left, beneath every
// child. A screen reader hears one child for each pair of pictures in it.
class PictureBoxInside : public QWidget
{
    Q_OBJECT
public:
    PictureBoxInside(QWidget *parent, const Picture &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Picture picture_;
};

// Says a short message to a screen reader at once, wherever the keyboard
// focus is: a notification that shows and hides in one go. Nothing of it is
// seen, and it says nothing while its window is hidden.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *parent);
    void announce(const QString &message);
    // The message last announced.
    QString message() const { return message_; }

private:
    QString message_;
};

} // namespace forms
