#pragma once
// A trainer's help page: a title, a fixed text written once, at the first
// display, and "OK", which, as the close box does, hides the page and shows
// the trainer again. The text opens and closes with the paragraphs that both
// pages share (HelpText.h); the one between them is each page's own. Each
// page lays out its window front to back through the steps here.

#include "forms/Controls.h"
#include "forms/Form.h"

class HelpPage : public forms::Form
{
protected:
    HelpPage(forms::Services &services, FormId trainer, const QString &ownParagraph);

    void addOkButton(const QRect &place);
    void addTitle(const QRect &place, const QString &caption);
    void addText(const QRect &place);

    void onLoad() override;

private:
    void leaveForTrainer();

    FormId trainer_;
    QString ownParagraph_;
    forms::Label *text_ = nullptr;
};
