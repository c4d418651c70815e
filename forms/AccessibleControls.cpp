// The accessible interfaces of images and of the widgets that hold them.

#include "forms/AccessibleControls.h"

#include "forms/Controls.h"

#include <QAccessibleWidget>

namespace forms {

namespace {

class AccessibleImage : public QAccessibleWidget {
public:
    explicit AccessibleImage(Image* image) : QAccessibleWidget(image) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        const Image* seen = image().seen();
        return (seen ? *seen : image().speaker()).accessibleName();
    }

    QAccessible::Role role() const override
    {
        if (answersClick())
            return QAccessible::Button;
        return image().paired() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = !visible();
        return state;
    }

    // The place of the pair, whichever of its pictures shows there.
    QRect rect() const override
    {
        if (!visible())
            return {};
        return QRect(image().mapToGlobal(QPoint(0, 0)), image().size());
    }

    QStringList actionNames() const override
    {
        return answersClick() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && answersClick())
            const_cast<Image*>(image().seen())->click();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    const Image& image() const { return *static_cast<const Image*>(widget()); }
    bool visible() const
    {
        const Image* seen = image().seen();
        return seen && seen->isVisible();
    }
    // Only a picture that is seen takes a click, and only while its window
    // shows it.
    bool answersClick() const { return visible() && image().seen()->answersClick(); }
};

// A plain widget: its children as Qt lists them, less the images that a
// paired image speaks for.
class AccessibleHolder : public QAccessibleWidget {
public:
    explicit AccessibleHolder(QWidget* widget) : QAccessibleWidget(widget) {}

    int childCount() const override { return int(heard().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QAccessibleInterface*> children = heard();
        return index >= 0 && index < children.size() ? children.at(index) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return int(heard().indexOf(const_cast<QAccessibleInterface*>(child)));
    }

private:
    QList<QAccessibleInterface*> heard() const
    {
        QList<QAccessibleInterface*> children;
        for (int i = 0, count = QAccessibleWidget::childCount(); i < count; ++i) {
            QAccessibleInterface* child = QAccessibleWidget::child(i);
            const auto* image = child ? dynamic_cast<const Image*>(child->object()) : nullptr;
            if (child && (!image || &image->speaker() == image))
                children.append(child);
        }
        return children;
    }
};

QAccessibleInterface* accessibleControl(const QString& key, QObject* object)
{
    if (key != QLatin1String("QWidget") || object->metaObject() != &QWidget::staticMetaObject)
        return nullptr;
    if (auto* image = dynamic_cast<Image*>(object))
        return new AccessibleImage(image);
    return new AccessibleHolder(static_cast<QWidget*>(object));
}

} // namespace

void installAccessibleControls()
{
    static const bool installed = (QAccessible::installFactory(accessibleControl), true);
    (void)installed;
}

} // namespace forms
