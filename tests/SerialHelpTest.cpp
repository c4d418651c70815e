// The serial trainer's help page: its text to the character, written once,
// and its "OK" and close box leading back to the trainer as it was left.

#include "SerialFixture.h"
#include "navigation/FormId.h"

#include "serial/SerialHelp.h"

namespace {

using Screens = std::vector<FormId>;

// The text as it stands on the page, typed out line by line.
const QString kHelpText = QString::fromUtf8(
        "  Ce registre est composé de 4 bistables (type D).\r\n"
        "   Il peut être de 5 à 8 bistables.\r\n"
        "\r\n"
        "   Ecrire un mot de 4 bits dans la fenêtre texte.\r\n"
        "   Ensuite une première impulsion de transfert (cliquer) (Horloge H) introduit le premier "
        "bit dans la première cellule.\r\n"
        "  Une deuxième impulsion décale à droite le premier bit dans la deuxième cellule, tandis que "
        "le deuxième bit du mot binaire est transféré dans la première cellule.\r\n"
        "\r\n"
        "  Après la quatrième impulsion, le mot binaire de 4 bits est enregistré dans le registre et "
        "prêt pour son utilisation.\r\n"
        " \r\n"
        "   Si on continue à appliquer une impulsion de transfert, le décalage à droite se poursuit, "
        "le premier bit à droite du registre sera remplacé par le précédent et la première cellule "
        "de gauche sera vidée (0).\r\n"
        "\r\n"
        "Aprés la huitième impulsion, une remise à zéro est effectuée automatiquement. \r\n"
        "  Faire une remise à zéro (RAZ) chaque fois que vous voulez recommencer");

class SerialHelpScreen : public SerialFixture
{
protected:
    SerialHelp &openHelp()
    {
        chooseMenu(open().window, QStringLiteral("Aide"));
        return form<SerialHelp>(FormId::SerialHelp);
    }
};

TEST_F(SerialHelpScreen, ShowsTheTitleAndTheWholeTextOnThirteenLines)
{
    SerialHelp &help = openHelp();
    EXPECT_EQ(visibleForms(), Screens{ FormId::SerialHelp });
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Aide"));
    EXPECT_EQ(named<forms::Label>(help, "titleLabel")->caption(), QStringLiteral("REGISTRE A DECALAGE SERIE"));

    const QString text = named<forms::Label>(help, "helpText")->caption();
    ASSERT_EQ(text, kHelpText);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    EXPECT_TRUE(lines[9].startsWith(QStringLiteral("   Si on continue"))) << "three blanks";
    EXPECT_TRUE(lines[11].endsWith(QStringLiteral("automatiquement. ")));
    EXPECT_EQ(lines[12].right(11), QStringLiteral("recommencer"));
}

// The window and its three controls as laid out: place, size, faces and
// colours; the whole text fits the label, its last line included.
TEST_F(SerialHelpScreen, WindowAndControlsStandAsLaidOut)
{
    SerialHelp &help = openHelp();
    EXPECT_EQ(help.client()->mapToGlobal(QPoint(0, 0)), QPoint(204, 76));
    EXPECT_EQ(help.client()->size(), QSize(464, 426));
    EXPECT_NE(help.minimumSize(), help.maximumSize()) << "the desktop's usual sizable window";
    const QList<QSize> iconSizes = help.windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(32, 32)));
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)));
    EXPECT_EQ(pixelAt(help.client(), QPoint(5, 420)).name(), QStringLiteral("#ffffc0"));

    EXPECT_EQ(button(help, "OK")->geometry(), QRect(216, 392, 29, 29));
    EXPECT_EQ(button(help, "OK")->text(), QStringLiteral("OK"));

    const struct
    {
        const char *name;
        forms::Label *label;
        QRect place;
        const char *family;
        int pixels;
        bool bold;
        QColor text;
        Qt::Alignment alignment;
    } labels[] = {
        { "text", named<forms::Label>(help, "helpText"), QRect(8, 34, 453, 351), "Arial", 13, false, QColor(0, 0, 0xFF),
          Qt::AlignLeft },
        { "title", named<forms::Label>(help, "titleLabel"), QRect(64, 4, 303, 27), "Times New Roman", 19, true,
          QColor(0xC0, 0, 0), Qt::AlignHCenter },
    };
    for (const auto &row : labels) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.label->geometry(), row.place);
        EXPECT_EQ(row.label->font().family(), QString::fromUtf8(row.family));
        EXPECT_EQ(row.label->font().pixelSize(), row.pixels);
        EXPECT_EQ(row.label->font().bold(), row.bold);
        EXPECT_FALSE(row.label->font().italic());
        EXPECT_EQ(row.label->palette().color(QPalette::WindowText), row.text);
        EXPECT_EQ(row.label->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xC0));
        EXPECT_EQ(row.label->alignment() & Qt::AlignHorizontal_Mask, row.alignment);
        EXPECT_LE(row.label->heightForWidth(row.label->width()), row.label->height()) << "the caption is cut off";
    }
}

TEST_F(SerialHelpScreen, OkAndTheCloseBoxLeadBackToTheTrainerAsLeft)
{
    SerialHelp &help = openHelp();
    const SerialControls s = trainer();
    click(button(help, "OK"));
    EXPECT_EQ(visibleForms(), Screens{ FormId::SerialTrainer });

    type(QStringLiteral("10"));
    click(s.clockUnlit);
    const std::string left = look();
    chooseMenu(s.window, QStringLiteral("Aide"));
    help.close();
    EXPECT_EQ(visibleForms(), Screens{ FormId::SerialTrainer });
    EXPECT_EQ(look(), left);
    EXPECT_EQ(programEnd.ended, 0);
}

TEST_F(SerialHelpScreen, TheTextIsWrittenOnceAtTheFirstDisplay)
{
    SerialHelp &help = openHelp();
    EXPECT_EQ(help.focusWidget(), button(help, "OK"));
    // Were the load to run again, it would write the text over this one.
    named<forms::Label>(help, "helpText")->setCaption(QStringLiteral("marque"));
    click(button(help, "OK"));
    chooseMenu(trainer().window, QStringLiteral("Aide"));
    EXPECT_EQ(visibleForms(), Screens{ FormId::SerialHelp });
    EXPECT_EQ(named<forms::Label>(help, "helpText")->caption(), QStringLiteral("marque"));
}

} // namespace
