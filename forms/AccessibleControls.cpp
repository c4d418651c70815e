// The accessible interfaces of pictures, picture boxes and announcers.

#include "forms/AccessibleControls.h"

#include "forms/Controls.h"

#include <QAccessibleWidget>

namespace forms {

namespace {

class AccessibleImage : public QAccessibleWidget
{
public:
    explicit AccessibleImage(Image *image) : QAccessibleWidget(image) { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        const Image *seen = image().seen();
        return (seen ? *seen : image()).heardName();
    }

    // A role never changes: a screen reader keeps the role it was first
    // told.
    QAccessible::Role role() const override
    {
        if (clickable())
            return QAccessible::Button;
        return image().paired() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = !visible();
        state.disabled = clickable() && !available();
        return state;
    }

    // The place of the pair, whichever of its pictures shows there.
    QRect rect() const override
    {
        if (!visible())
            return {};
        return QRect(image().mapToGlobal(QPoint(0, 0)), image().size());
    }

    QStringList actionNames() const override { return clickable() ? QStringList{ pressAction() } : QStringList{}; }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && visible() && available())
            image().seen()->click();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    const Image &image() const { return *static_cast<const Image *>(widget()); }
    // Either picture of the pair takes a click.
    bool clickable() const
    {
        const Image *partner = image().partner();
        return image().answersClick() || (partner && partner->answersClick());
    }
    // Seen while its window shows it.
    bool visible() const { return image().seen() && image().isVisible(); }
    // The picture seen takes a click.
    bool available() const
    {
        const Image *seen = image().seen();
        return seen && seen->answersClick();
    }
};

// A picture box's inside: its children as Qt lists them, less the pictures
// that a paired picture speaks for and the labels that only draw.
class AccessibleInside : public QAccessibleWidget
{
public:
    explicit AccessibleInside(QWidget *widget) : QAccessibleWidget(widget) { }

    int childCount() const override { return int(heard().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QAccessibleInterface *> children = heard();
        return index >= 0 && index < children.size() ? children.at(index) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(heard().indexOf(const_cast<QAccessibleInterface *>(child)));
    }

private:
    QList<QAccessibleInterface *> heard() const
    {
        QList<QAccessibleInterface *> children;
        for (int i = 0, count = QAccessibleWidget::childCount(); i < count; ++i) {
            QAccessibleInterface *child = QAccessibleWidget::child(i);
            if (child && isHeard(child->object()))
                children.append(child);
        }
        return children;
    }

    static bool isHeard(const QObject *object)
    {
        if (const auto *image = qobject_cast<const Image *>(object))
            return &image->speaker() == image;
        if (const auto *label = dynamic_cast<const Label *>(object))
            return !label->decorative();
        return true;
    }
};

class AccessibleAnnouncer : public QAccessibleWidget
{
public:
    explicit AccessibleAnnouncer(Announcer *announcer) : QAccessibleWidget(announcer, QAccessible::Notification) { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        return static_cast<const Announcer *>(widget())->message();
    }
};

QAccessibleInterface *accessibleControl(const QString &key, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (key == QLatin1String(Image::staticMetaObject.className()))
        return new AccessibleImage(static_cast<Image *>(widget));
    if (key == QLatin1String(PictureBox::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Pane);
    if (key == QLatin1String(PictureBoxInside::staticMetaObject.className()))
        return new AccessibleInside(widget);
    if (key == QLatin1String(Announcer::staticMetaObject.className()))
        return new AccessibleAnnouncer(static_cast<Announcer *>(widget));
    return nullptr;
}

} // namespace

void installAccessibleControls()
{
    static const bool installed = (QAccessible::installFactory(accessibleControl), true);
    (void)installed;
}

} // namespace forms
