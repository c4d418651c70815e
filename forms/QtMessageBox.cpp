// The modal message box, centred over its window.

#include "forms/QtMessageBox.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace forms {

namespace {

// A message box that opens centred over the window it belongs to. Qt's own
// placement allows for a title bar that it guesses when no window manager
// frames the windows, and then opens the box off the centre.
class CentredMessageBox final : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event); // sizes the box, then places it
        if (event->spontaneous() || !parentWidget())
            return;
        const QWidget *owner = parentWidget()->window();
        QRect place(QPoint(), frameGeometry().size());
        place.moveCenter(owner->frameGeometry().center());
        const QRect desk = owner->screen()->availableGeometry();
        place.moveLeft(qBound(desk.left(), place.left(), desk.right() + 1 - place.width()));
        place.moveTop(qBound(desk.top(), place.top(), desk.bottom() + 1 - place.height()));
        move(place.topLeft());
    }
};

} // namespace

void QtMessageBox::show(QWidget &window, const QString &text)
{
    CentredMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, &window);
    box.setWindowModality(Qt::ApplicationModal);
    // Some styles put a picture on the dialog's standard buttons.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
}

} // namespace forms
