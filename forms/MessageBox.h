#pragma once
// The program's message box: a text, an OK button only, no icon, the
// application's title. show() is given the window whose handler raises the
// box, and returns once the learner has closed it. The program uses a modal
// Qt dialog; tests record the text and return at once.

#include <QString>

class QWidget;

namespace forms {

class MessageBox
{
public:
    virtual ~MessageBox() = default;
    virtual void show(QWidget &window, const QString &text) = 0;
};

// The application's title, as every message box shows it.
inline const QString kApplicationTitle = QStringLiteral("tramelune");

} // namespace forms
