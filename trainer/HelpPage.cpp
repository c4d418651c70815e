// A help page's controls and its text.

#include "trainer/HelpPage.h"

#include "forms/Fonts.h"
#include "forms/Palette.h"
#include "trainer/HelpText.h"

using namespace forms;

HelpPage::HelpPage(Services &services, FormId trainer, const QString &ownParagraph)
    : Form(services), trainer_(trainer), ownParagraph_(ownParagraph)
{
    connect(this, &Form::closeBoxClicked, this, &HelpPage::leaveForTrainer);
}

void HelpPage::addOkButton(const QRect &place)
{
    auto *ok = new CommandButton(client(), place, QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, &HelpPage::leaveForTrainer);
}

void HelpPage::addTitle(const QRect &place, const QString &caption)
{
    auto *title = new Label(client(), place, caption);
    title->setObjectName(QStringLiteral("titleLabel"));
    title->setColours(palette::kLightYellow, palette::kDarkRed);
    title->setFont(formFont(Face::TimesNewRoman, 14.25, Weight::Bold));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void HelpPage::addText(const QRect &place)
{
    text_ = new Label(client(), place);
    text_->setObjectName(QStringLiteral("helpText"));
    text_->setColours(palette::kLightYellow, palette::kBlue);
    text_->setFont(formFont(Face::Arial, 9.75));
}

void HelpPage::onLoad()
{
    text_->setCaption(help::registerAndFirstPulses() + help::wordAfterFourthPulse() + ownParagraph_
                      + help::resetAdvice());
}

void HelpPage::leaveForTrainer()
{
    leaveFor(trainer_);
}
