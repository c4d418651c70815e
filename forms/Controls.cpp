// The controls on Qt widgets: placing, colours, clicks, painting.

#include "forms/Controls.h"

#include "forms/AccessibleControls.h"
#include "forms/Fonts.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace forms {

void placeControl(QWidget* control, const QRect& place)
{
    control->setGeometry(place);
    control->lower();
    control->show();
}

void setBackground(QWidget* widget, const QColor& colour)
{
    // Only the widget's own face: the buttons and boxes inside a coloured
    // window keep their default colours.
    QPalette palette = widget->palette();
    if (qobject_cast<QAbstractButton*>(widget))
        palette.setColor(QPalette::Button, colour);
    else if (qobject_cast<QLineEdit*>(widget))
        palette.setColor(QPalette::Base, colour);
    else
        palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

// ---- Label

Label::Label(QWidget* parent, const QRect& place, const QString& caption) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFont(defaultFont());
    setCaption(caption);
    placeControl(this, place);
}

void Label::setCaption(const QString& caption)
{
    caption_ = caption;
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setText(shown);
    updateAccessibleName();
}

void Label::setAccessibleTitle(const QString& title)
{
    title_ = title;
    updateAccessibleName();
}

void Label::updateAccessibleName()
{
    if (title_.isEmpty())
        setAccessibleName(text());
    else
        setAccessibleName(title_ + QStringLiteral(" : ")
                          + (text().isEmpty() ? QStringLiteral("vide") : text()));
}

void Label::setColours(const QColor& back, const QColor& text)
{
    setBackground(this, back);
    setForeground(this, text);
}

// ---- TextBox

TextBox::TextBox(QWidget* parent, const QRect& place) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { reportChange(text); });
    placeControl(this, place);
}

void TextBox::reportChange(const QString& text)
{
    // QLineEdit also signals a selection replaced by the same text. Noted
    // before the handler runs, so that a write inside it is a change of its
    // own.
    if (text == reported_)
        return;
    reported_ = text;
    if (changed_)
        changed_();
}

void TextBox::onChange(std::function<void()> handler) { changed_ = std::move(handler); }

void TextBox::keyPressEvent(QKeyEvent* event)
{
    // Qt would type the key's character: it holds back only Ctrl and
    // Ctrl+Shift. A key whose text is a control code, as Alt+Backspace's,
    // carries no character and edits as Qt has it.
    const QString text = event->text();
    const bool character = !text.isEmpty() && text.at(0).category() != QChar::Other_Control;
    if (character && (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier))) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::takeFocus() { setFocus(Qt::OtherFocusReason); }

// ---- CommandButton

CommandButton::CommandButton(QWidget* parent, const QRect& place, const QString& caption)
    : QPushButton(caption, parent)
{
    setFont(defaultFont());
    // Some styles draw a button's outline from the colour of the window
    // behind it: every button takes the desktop's, whatever it lies on.
    QPalette own = palette();
    own.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    setPalette(own);
    // Enter clicks the focused button, as Space does.
    setAutoDefault(true);
    setAccessibleName(caption);
    placeControl(this, place);
}

void CommandButton::onClick(std::function<void()> handler)
{
    connect(this, &QPushButton::clicked, this, [handler = std::move(handler)] { handler(); });
}

// ---- Image

Image::Image(QWidget* parent, const QRect& place, const Picture& picture) : QWidget(parent), picture_(picture)
{
    installAccessibleControls();
    placeControl(this, place);
}

void Image::onClick(std::function<void()> handler) { clicked_ = std::move(handler); }

void Image::setShown(bool shown)
{
    const Image* seenBefore = seen();
    setVisible(shown);
    tellScreenReader(seenBefore);
}

void Image::pair(Image& first, Image& second)
{
    first.partner_ = &second;
    second.partner_ = &first;
    first.speaks_ = true;
    second.speaks_ = false;
}

const Image* Image::seen() const
{
    const Image* front = this;
    if (paired() && (!shown() || (partner_->shown() && partner_->inFrontOf(*this))))
        front = partner_;
    return front->shown() ? front : nullptr;
}

bool Image::inFrontOf(const Image& other) const
{
    // Within one parent a later child lies above an earlier one.
    const QObjectList& stack = parentWidget()->children();
    return stack.indexOf(this) > stack.indexOf(&other);
}

void Image::click()
{
    if (clicked_)
        clicked_();
}

void Image::tellScreenReader(const Image* seenBefore)
{
    if (!QAccessible::isActive() || seen() == seenBefore)
        return;
    QWidget* heard = const_cast<Image*>(&speaker());
    QAccessibleEvent renamed(heard, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    // Hiding the speaking picture told the screen reader it went away; the
    // pair is still there, seen through its other picture.
    if (heard->isHidden() && seen()) {
        QAccessibleEvent stillShown(heard, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&stillShown);
    }
}

void Image::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_.at(devicePixelRatioF()));
}

void Image::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void Image::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Qt delivers the second press of a double click as this event alone.
    mousePressEvent(event);
}

void Image::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool clicked = pressed_ && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (clicked)
        click();
}

// ---- PictureBox

namespace {

constexpr int kEdge = 2;

// The inside of a picture box: its picture at the top left, beneath every
// child.
class Surface : public QWidget {
public:
    Surface(QWidget* parent, const Picture& picture) : QWidget(parent), picture_(picture)
    {
        installAccessibleControls();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (picture_.isNull())
            return;
        QPainter painter(this);
        painter.drawPixmap(0, 0, picture_.at(devicePixelRatioF()));
    }

private:
    Picture picture_;
};

} // namespace

PictureBox::PictureBox(QWidget* parent, const QRect& place, const QColor& back, const Picture& picture)
    : QFrame(parent),
      inside_(new Surface(this, picture))
{
    setBackground(this, back);
    placeControl(this, place);
    inside_->setGeometry(kEdge, kEdge, width() - 2 * kEdge, height() - 2 * kEdge);
    inside_->show();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    // The classic sunken edge: grey and dark grey above and to the left,
    // white and light grey below and to the right.
    QPainter painter(this);
    const int r = width() - 1;
    const int b = height() - 1;
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(0, 0, r - 1, 0);
    painter.drawLine(0, 0, 0, b - 1);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawLine(1, 1, r - 2, 1);
    painter.drawLine(1, 1, 1, b - 2);
    painter.setPen(QColor(0xFF, 0xFF, 0xFF));
    painter.drawLine(0, b, r, b);
    painter.drawLine(r, 0, r, b);
    painter.setPen(QColor(0xD4, 0xD0, 0xC8));
    painter.drawLine(1, b - 1, r - 1, b - 1);
    painter.drawLine(r - 1, 1, r - 1, b - 1);
}

} // namespace forms
