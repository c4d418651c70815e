// The controls on Qt widgets: placing, colours, clicks, painting.

#include "forms/Controls.h"

#include "forms/AccessibleControls.h"
#include "forms/Fonts.h"
#include "forms/Palette.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace forms {

void placeControl(QWidget *control, const QRect &place)
{
    control->setGeometry(place);
    control->lower();
    control->show();
}

void setBackground(QWidget *widget, const QColor &colour)
{
    // Only the widget's own face: the buttons and boxes inside a coloured
    // window keep their default colours.
    QPalette palette = widget->palette();
    if (qobject_cast<QAbstractButton *>(widget))
        palette.setColor(QPalette::Button, colour);
    else if (qobject_cast<QLineEdit *>(widget))
        palette.setColor(QPalette::Base, colour);
    else
        palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QColor defaultBoxColour()
{
    return QApplication::palette().color(QPalette::Button);
}

void setForeground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

// ---- Label

Label::Label(QWidget *parent, const QRect &place, const QString &caption) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFont(defaultFont());
    setCaption(caption);
    placeControl(this, place);
}

void Label::setCaption(const QString &caption)
{
    caption_ = caption;
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setText(shown);
    updateAccessibleName();
}

void Label::setAccessibleTitle(const QString &title)
{
    title_ = title;
    updateAccessibleName();
}

void Label::updateAccessibleName()
{
    const QString name = title_.isEmpty()
            ? text()
            : title_ + QStringLiteral(" : ") + (text().isEmpty() ? QStringLiteral("vide") : text());
    // Qt tells the screen reader of every name set, changed or not.
    if (name != accessibleName())
        setAccessibleName(name);
}

void Label::setColours(const QColor &back, const QColor &text)
{
    setBackground(this, back);
    setForeground(this, text);
}

// ---- TextBox

TextBox::TextBox(QWidget *parent, const QRect &place) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &TextBox::reportChange);
    placeControl(this, place);
}

void TextBox::reportChange(const QString &text)
{
    // QLineEdit also signals a selection replaced by the same text. Noted
    // before the handler runs, so that a write inside it is a change of its
    // own.
    if (text == reported_)
        return;
    reported_ = text;
    Q_EMIT changed();
}

void TextBox::keyPressEvent(QKeyEvent *event)
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

void TextBox::takeFocus()
{
    setFocus(Qt::OtherFocusReason);
}

// ---- CommandButton

CommandButton::CommandButton(QWidget *parent, const QRect &place, const QString &caption) : QPushButton(caption, parent)
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

// ---- Image

Image::Image(QWidget *parent, const QRect &place, const Picture &picture) : QWidget(parent), picture_(picture)
{
    installAccessibleControls();
    placeControl(this, place);
}

void Image::setClickHandler(std::function<void()> handler)
{
    clicked_ = std::move(handler);
}

void Image::setShown(bool shown)
{
    if (shown == shown_)
        return;
    const Image *seenBefore = seen();
    shown_ = shown;
    drawer().showSeen();
    tellScreenReader(seenBefore);
}

void Image::setCursorShape(Qt::CursorShape shape)
{
    cursorShape_ = shape;
    drawer().showSeen();
}

void Image::pair(Image &first, const QString &firstName, Image &second, const QString &secondName)
{
    first.partner_ = &second;
    second.partner_ = &first;
    first.pairName_ = firstName;
    second.pairName_ = secondName;
    // The one in front draws for both, where either picture would be seen.
    Image &front = second.inFrontOf(first) ? second : first;
    Image &back = &front == &first ? second : first;
    front.speaks_ = true;
    back.speaks_ = false;
    back.hide();
    front.showSeen();
}

const Image *Image::seen() const
{
    const Image *front = this;
    if (paired() && (!shown() || (partner_->shown() && partner_->inFrontOf(*this))))
        front = partner_;
    return front->shown() ? front : nullptr;
}

bool Image::inFrontOf(const Image &other) const
{
    // Within one parent a later child lies above an earlier one.
    const QObjectList &stack = parentWidget()->children();
    return stack.indexOf(this) > stack.indexOf(&other);
}

void Image::click() const
{
    if (clicked_)
        clicked_();
}

void Image::showSeen()
{
    const Image *now = seen();
    setAttribute(Qt::WA_TransparentForMouseEvents, now == nullptr);
    if (now && now->cursorShape_ != Qt::ArrowCursor)
        setCursor(now->cursorShape_);
    else
        unsetCursor();
    if (pressed_ != now)
        pressed_ = nullptr;
    update();
}

void Image::tellScreenReader(const Image *seenBefore)
{
    const Image *seenNow = seen();
    if (!QAccessible::isActive() || seenNow == seenBefore)
        return;
    Image *heard = &drawer();
    QAccessibleEvent renamed(heard, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    // A lamp that takes a click stays a button; it is unavailable while the
    // picture seen takes none.
    const auto available = [](const Image *seen) { return seen && seen->answersClick(); };
    if (available(seenBefore) != available(seenNow)) {
        QAccessible::State changed;
        changed.disabled = true;
        QAccessibleStateChangeEvent availability(heard, changed);
        QAccessible::updateAccessibility(&availability);
    }
}

void Image::paintEvent(QPaintEvent *)
{
    const Image *now = seen();
    if (!now)
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, now->picture_.at(devicePixelRatioF()));
}

void Image::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton ? seen() : nullptr;
    event->accept();
}

void Image::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Qt delivers the second press of a double click as this event alone.
    mousePressEvent(event);
}

void Image::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const Image *pressed = pressed_;
    pressed_ = nullptr;
    if (pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        pressed->click();
}

// ---- PictureBox

namespace {
constexpr int kEdge = 2;

// The classic sunken edge, two rings of one pixel: each in shadow above and
// to the left, in light below and to the right.
const QColor kOuterShadow(0x80, 0x80, 0x80);
const QColor kInnerShadow(0x40, 0x40, 0x40);
const QColor &kOuterLight = palette::kWhite;
const QColor kInnerLight(0xD4, 0xD0, 0xC8);
} // namespace

PictureBox::PictureBox(QWidget *parent, const QRect &place, const QColor &back, const Picture &picture)
    : QFrame(parent), inside_(new PictureBoxInside(this, picture))
{
    installAccessibleControls();
    setBackground(this, back);
    placeControl(this, place);
    inside_->setGeometry(kEdge, kEdge, width() - 2 * kEdge, height() - 2 * kEdge);
    inside_->show();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    // Whole-pixel rectangles rather than lines: a line is centred on the
    // border between pixels, so at a device pixel ratio above 1 it would
    // fall half a pixel up and to the left of the edge.
    QPainter painter(this);
    const auto ring = [&painter](const QRect &r, const QColor &shadow, const QColor &light) {
        painter.fillRect(r.left(), r.top(), r.width() - 1, 1, shadow);
        painter.fillRect(r.left(), r.top(), 1, r.height() - 1, shadow);
        painter.fillRect(r.left(), r.bottom(), r.width(), 1, light);
        painter.fillRect(r.right(), r.top(), 1, r.height(), light);
    };
    ring(rect(), kOuterShadow, kOuterLight);
    ring(rect().adjusted(1, 1, -1, -1), kInnerShadow, kInnerLight);
}

// ---- PictureBoxInside

PictureBoxInside::PictureBoxInside(QWidget *parent, const Picture &picture) : QWidget(parent), picture_(picture)
{
    installAccessibleControls();
}

void PictureBoxInside::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_.at(devicePixelRatioF()));
}

// ---- Announcer

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    installAccessibleControls();
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString &message)
{
    message_ = message;
    // A screen reader speaks a notification as it comes into view. Hidden
    // at once, it is neither seen nor spoken again when the window next
    // shows; under a hidden window it never comes into view at all.
    show();
    hide();
}

} // namespace forms
