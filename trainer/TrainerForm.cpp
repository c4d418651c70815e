// The trainers' shared window: menus, buttons, word box and announcer.

#include "trainer/TrainerForm.h"

#include "forms/Fonts.h"
#include "forms/FormRegistry.h"
#include "forms/Palette.h"
#include "forms/Pictures.h"
#include "navigation/FormId.h"

#include <QMenu>
#include <QMenuBar>

#include <limits>

using namespace forms;

TrainerForm::TrainerForm(Services &services, FormId help, Companions companions)
    : Form(services), help_(help), companions_(companions)
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("Fichier"));
    connect(file->addAction(QStringLiteral("Menu")), &QAction::triggered, this, &TrainerForm::leaveForMainMenu);
    connect(file->addAction(QStringLiteral("Quitter")), &QAction::triggered, this, &TrainerForm::endProgram);
    connect(menuBar()->addAction(QStringLiteral("Aide")), &QAction::triggered, this, [this] { open(help_); });
    connect(menuBar()->addAction(QStringLiteral("à propos...")), &QAction::triggered, this,
            [this] { open(FormId::AboutBox); });
    connect(this, &Form::closeBoxClicked, this, &TrainerForm::endProgram);
}

PictureBox *TrainerForm::addDiagram(const QRect &place, const QColor &back, const QString &picture, const QString &name)
{
    diagram_ = new PictureBox(client(), place, back, Picture(picture));
    diagram_->setObjectName(QStringLiteral("diagram"));
    diagram_->setAccessibleName(name);
    diagram_->setFocusPolicy(Qt::TabFocus);
    return diagram_;
}

void TrainerForm::addButtons(const QRect &quit, const QRect &menu)
{
    quitButton_ = new CommandButton(client(), quit, QStringLiteral("Quitter"));
    quitButton_->setObjectName(QStringLiteral("quitButton"));
    menuButton_ = new CommandButton(client(), menu, QStringLiteral("Menu"));
    menuButton_->setObjectName(QStringLiteral("menuButton"));
    connect(quitButton_, &QPushButton::clicked, this, &TrainerForm::endProgram);
    connect(menuButton_, &QPushButton::clicked, this, &TrainerForm::leaveForMainMenu);
}

TextBox *TrainerForm::addWordBox(const QRect &place)
{
    wordBox_ = new TextBox(client(), place);
    wordBox_->setObjectName(QStringLiteral("wordBox"));
    wordBox_->setFont(formFont(Face::MsSansSerif, 13.5));
    wordBox_->setAlignment(Qt::AlignHCenter);
    // No length limit: a pasted text enters whole, however long.
    wordBox_->setMaxLength(std::numeric_limits<int>::max());
    setForeground(wordBox_, palette::kBlue);
    wordBox_->setAccessibleName(QStringLiteral("Mot de 4 bits"));
    return wordBox_;
}

Label *TrainerForm::addInstruction(const QRect &place, const QString &caption, const QColor &colour)
{
    auto *label = new Label(client(), place, caption);
    label->setColours(palette::kLightYellow, colour);
    return label;
}

Label *TrainerForm::addValueLabel(QWidget *parent, const QRect &place, const QColor &back, const QColor &text,
                                  const QFont &font, const QString &title)
{
    auto *label = new Label(parent, place);
    label->setColours(back, text);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAccessibleTitle(title);
    return label;
}

void TrainerForm::finish(Label &result)
{
    word_.emplace(*wordBox_, result, services().messageBox);
    // The word box comes first: it holds the focus at the first display.
    setTabOrder(wordBox_, menuButton_);
    setTabOrder(menuButton_, quitButton_);
    setTabOrder(quitButton_, diagram_);
    wordBox_->takeFocus();
    announcer_ = new Announcer(client());
}

void TrainerForm::addReset(int &counter, Lamp &input, Lamp &reset, std::function<void()> clear)
{
    reset_.emplace(services().clock, counter, reset, [&input, &reset, clear = std::move(clear)](int ticks) {
        input.putOut();
        reset.light();
        if (ticks == 2)
            clear();
    });
    reset.makeClickable([this] { reset_->start(); });
    connect(&*word_, &WordEntry::rejected, this, [this] { reset_->start(); });
}

void TrainerForm::leaveForMainMenu()
{
    leaveFor(FormId::MainMenu);
}

void TrainerForm::open(FormId companion)
{
    if (companions_ == Companions::InPlace)
        leaveFor(companion);
    else
        services().forms.show(companion);
}
