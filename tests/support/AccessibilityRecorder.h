#pragma once
// Records what a screen reader would be told while it lives: every
// accessibility event, as the platform's bridge would receive it, with the
// name the object had then. Qt sends events only while the platform's
// accessibility is active, which on the offscreen platform nothing turns
// on: the recorder turns it on, as Qt's own accessibility tests do, and off
// again when it ends.

#include <QAccessible>
#include <QStringList>

#include <vector>

class AccessibilityRecorder
{
public:
    struct Event
    {
        QAccessible::Event kind;
        QObject *object;
        QString name; // the object's accessible name at the time
        QAccessible::State changed; // for a state change: which states changed
    };

    AccessibilityRecorder();
    ~AccessibilityRecorder();
    AccessibilityRecorder(const AccessibilityRecorder &) = delete;
    AccessibilityRecorder &operator=(const AccessibilityRecorder &) = delete;

    const std::vector<Event> &events() const { return events_; }
    void clear() { events_.clear(); }

    // What the announcers said, in order.
    QStringList announced() const;
    // The new names of the objects whose name changed, sorted.
    QStringList renamed() const;
    // The objects whose availability changed, as they were then named.
    QStringList availabilityChanged() const;
    // How many events came from a picture that its pair's other picture
    // speaks for.
    int fromSpokenForPictures() const;

private:
    static void record(QAccessibleEvent *event);

    std::vector<Event> events_;
};
