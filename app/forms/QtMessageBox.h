#pragma once
// MessageBox as a modal QMessageBox titled "tramelune".

#include "forms/MessageBox.h"

namespace forms {

class QtMessageBox final : public MessageBox {
public:
    void show(const QString& text) override;
};

} // namespace forms
