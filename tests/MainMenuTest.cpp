// The main menu's, the About box's and the card's look: window sizes, the
// column of buttons, colours and captions as the learner sees them.

#include "main_menu/MainMenu.h"
#include "forms/Controls.h"
#include "main_menu/AboutBox.h"
#include "main_menu/ComingSoonCard.h"
#include "navigation/FormId.h"
#include "support/ProgramFixture.h"

#include <QMenuBar>

class MainMenuLook : public ProgramFixture
{
protected:
    MainMenu &menu() { return form<MainMenu>(FormId::MainMenu); }
    // A widget's rectangle in its window's client area.
    static QRect inClient(forms::Form &s, QWidget *w) { return QRect(w->mapTo(s.client(), QPoint(0, 0)), w->size()); }
};

TEST_F(MainMenuLook, WindowTitleSizeAndPlace)
{
    start();
    EXPECT_EQ(menu().windowTitle(), QStringLiteral("Tramelune à décalage"));
    EXPECT_EQ(menu().client()->size(), QSize(479, 424));
    EXPECT_EQ(menu().client()->mapToGlobal(QPoint(0, 0)), QPoint(172, 91));
    EXPECT_FALSE(menu().windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(menu().windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(menu().minimumSize(), menu().maximumSize());
    EXPECT_FALSE(menu().windowIcon().isNull());
}

TEST_F(MainMenuLook, TheFourRegisterButtonsFormOneColumn)
{
    start();
    struct Row
    {
        forms::CommandButton *button;
        const char *caption;
        QRect place;
    };
    const Row rows[] = {
        { button(menu(), "Registre série/série"), "Registre série/série", QRect(50, 98, 377, 33) },
        { button(menu(), "Registre série/parallèle"), "Registre série/parallèle", QRect(50, 140, 377, 33) },
        { button(menu(), "Registre parallèle/parallèle"), "Registre parallèle/parallèle", QRect(50, 184, 377, 33) },
        { button(menu(), "Bouton sans titre"), "", QRect(50, 224, 377, 33) },
        { button(menu(), "Quitter"), "Quitter", QRect(200, 376, 81, 25) },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.caption);
        EXPECT_EQ(row.button->text(), QString::fromUtf8(row.caption));
        EXPECT_EQ(inClient(menu(), row.button), row.place);
        EXPECT_TRUE(row.button->font().bold());
        EXPECT_EQ(row.button->font().pixelSize(), 16);
    }
}

TEST_F(MainMenuLook, TheFourRegisterButtonsLookAlikeWhereverTheyLieAndQuitterIsGrey)
{
    start();
    // Two lie on the panel and two on the window: their edges, drawn from
    // the colour behind them by some styles, are one and the same.
    const QImage shot = grabImage(menu().client());
    auto edges = [&shot, this](forms::CommandButton *button) {
        const QRect r = inClient(menu(), button);
        return shot.copy(r.left(), r.top(), 3, r.height());
    };
    const QImage first = edges(button(menu(), "Registre série/série"));
    for (forms::CommandButton *button :
         { button(menu(), "Registre série/parallèle"), button(menu(), "Registre parallèle/parallèle"),
           button(menu(), "Bouton sans titre") }) {
        SCOPED_TRACE(button->text().toStdString());
        EXPECT_EQ(edges(button), first);
    }
    // "Quitter" keeps its grey face.
    const QRect quitter = inClient(menu(), button(menu(), "Quitter"));
    const QRect other = inClient(menu(), button(menu(), "Registre série/parallèle"));
    const QColor grey = shot.pixelColor(quitter.left() + 6, quitter.center().y());
    const QColor plain = shot.pixelColor(other.left() + 6, other.center().y());
    EXPECT_TRUE(grey.red() == grey.green() && grey.green() == grey.blue()) << grey.name().toStdString();
    EXPECT_LT(grey.value() + 0x20, plain.value()) << grey.name().toStdString() << " " << plain.name().toStdString();
}

TEST_F(MainMenuLook, ColoursOfTheWindowTheTitleStripAndThePanel)
{
    start();
    const struct
    {
        QPoint at;
        QColor colour;
    } spots[] = {
        { { 5, 5 }, QColor(0xFF, 0xE0, 0xC0) }, // window
        { { 80, 30 }, QColor(0xFF, 0xC0, 0x80) }, // title strip, left of its label
        { { 30, 270 }, QColor(0xFF, 0xC0, 0x80) }, // panel, left of the column
        { { 240, 350 }, QColor(0xFF, 0xC0, 0x80) }, // panel, below the column
        { { 240, 410 }, QColor(0xFF, 0xE0, 0xC0) }, // window, below "Quitter"
    };
    const QImage shot = grabImage(menu().client());
    for (const auto &spot : spots)
        EXPECT_EQ(shot.pixelColor(spot.at), spot.colour) << spot.at.x() << "," << spot.at.y();
    // The menu bar keeps the desktop's colour.
    EXPECT_NE(pixelAt(menu().menuBar(), { 300, 5 }), QColor(0xFF, 0xE0, 0xC0));
    const forms::Label *title = label(menu(), QStringLiteral("TRAMELUNE A DECALAGE"));
    EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0xFF));
}

TEST_F(MainMenuLook, MenuBarEntries)
{
    start();
    QStringList entries;
    for (QAction *action : menu().menuBar()->actions())
        entries.append(action->text());
    EXPECT_EQ(entries, (QStringList{ QStringLiteral("Fichier"), QStringLiteral("à propos") }));
    ASSERT_NE(menu().menuBar()->actions().at(0)->menu(), nullptr);
    EXPECT_EQ(menu().menuBar()->actions().at(0)->menu()->actions().at(0)->text(), QStringLiteral("Quitter"));
    EXPECT_EQ(menu().menuBar()->actions().at(1)->menu(), nullptr);
}

TEST_F(MainMenuLook, AboutBoxTexts)
{
    registry.show(FormId::AboutBox);
    auto &about = form<AboutBox>(FormId::AboutBox);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Tramelune"));
    EXPECT_EQ(about.client()->size(), QSize(375, 293));
    EXPECT_NE(label(about, QStringLiteral("TRAMELUNE A DECALAGE SERIE")), nullptr);
    EXPECT_NE(label(about, QString(29, QLatin1Char('_'))), nullptr);
    EXPECT_NE(button(about, "OK"), nullptr);
    EXPECT_EQ(pixelAt(about.client(), { 5, 5 }), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(pixelAt(about.client(), { 25, 200 }), QColor(0xFF, 0xC0, 0x80));
}

TEST_F(MainMenuLook, CardWindow)
{
    registry.show(FormId::ComingSoonCard);
    auto &card = form<ComingSoonCard>(FormId::ComingSoonCard);
    EXPECT_EQ(card.windowTitle(), QStringLiteral("à suivre"));
    EXPECT_EQ(card.client()->size(), QSize(334, 274));
    EXPECT_NE(button(card, "OK"), nullptr);
    // The card picture at the top left of the card box's inside.
    const auto *picture = named<forms::PictureBox>(card, "card");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->mapTo(card.client(), QPoint(2, 2)), QPoint(18 + 2 + 24 + 2, 14 + 2 + 32 + 2));
}
