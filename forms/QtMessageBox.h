#pragma once
// MessageBox as a modal QMessageBox titled "tramelune", centred over the
// window that raised it, with a plain "OK" button.

#include "forms/MessageBox.h"

namespace forms {

class QtMessageBox final : public MessageBox
{
public:
    void show(QWidget &window, const QString &text) override;
};

} // namespace forms
