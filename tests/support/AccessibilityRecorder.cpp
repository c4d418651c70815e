// Turning the platform's accessibility on offscreen, and recording.

#include "support/AccessibilityRecorder.h"

#include "forms/Controls.h"

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <algorithm>

namespace {

std::vector<AccessibilityRecorder::Event> *recording = nullptr;

// QAccessible::setActive only tells Qt's own observers; whether events are
// sent at all is the platform accessibility's state.
void setPlatformAccessibilityActive(bool active)
{
    if (QPlatformAccessibility *accessibility = QGuiApplicationPrivate::platformIntegration()->accessibility())
        accessibility->setActive(active);
}

} // namespace

AccessibilityRecorder::AccessibilityRecorder()
{
    recording = &events_;
    QAccessible::installUpdateHandler(record);
    setPlatformAccessibilityActive(true);
}

AccessibilityRecorder::~AccessibilityRecorder()
{
    setPlatformAccessibilityActive(false);
    QAccessible::installUpdateHandler(nullptr);
    recording = nullptr;
}

void AccessibilityRecorder::record(QAccessibleEvent *event)
{
    Event e{ event->type(), event->object(), {}, {} };
    if (QAccessibleInterface *object = event->accessibleInterface())
        e.name = object->text(QAccessible::Name);
    if (event->type() == QAccessible::StateChanged)
        e.changed = static_cast<QAccessibleStateChangeEvent *>(event)->changedStates();
    recording->push_back(e);
}

QStringList AccessibilityRecorder::announced() const
{
    QStringList said;
    for (const Event &e : events_)
        if (e.kind == QAccessible::ObjectShow && qobject_cast<forms::Announcer *>(e.object))
            said << e.name;
    return said;
}

QStringList AccessibilityRecorder::renamed() const
{
    QStringList names;
    for (const Event &e : events_)
        if (e.kind == QAccessible::NameChanged)
            names << e.name;
    names.sort();
    return names;
}

QStringList AccessibilityRecorder::availabilityChanged() const
{
    QStringList names;
    for (const Event &e : events_)
        if (e.kind == QAccessible::StateChanged && e.changed.disabled)
            names << e.name;
    return names;
}

int AccessibilityRecorder::fromSpokenForPictures() const
{
    return int(std::count_if(events_.begin(), events_.end(), [](const Event &e) {
        const auto *image = qobject_cast<const forms::Image *>(e.object);
        return image && &image->speaker() != image;
    }));
}
