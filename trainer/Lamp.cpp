// A lamp's two pictures.

#include "trainer/Lamp.h"

#include "forms/Pictures.h"
#include "forms/Twips.h"
#include "trainer/BitCell.h"

Lamp::Lamp(forms::Image &unlit, forms::Image &lit, const QString &name) : unlit_(unlit), lit_(lit)
{
    forms::Image::pair(unlit_, name + QStringLiteral(" : éteinte"), lit_, name + QStringLiteral(" : allumée"));
}

void Lamp::makeClickable(std::function<void()> handler)
{
    unlit_.setClickHandler(std::move(handler));
    unlit_.setCursorShape(Qt::UpArrowCursor);
}

void Lamp::light()
{
    lit_.setShown(true);
    unlit_.setShown(false);
}

void Lamp::putOut()
{
    unlit_.setShown(true);
    lit_.setShown(false);
}

void Lamp::showCell(const BitCell &cell)
{
    if (cell.zeroShown())
        putOut();
    if (cell.oneShown())
        light();
}

std::vector<Lamp> layOutLamps(QWidget *diagram, const std::vector<LampPlace> &places, QSize size,
                              const QString &unlitPicture, const QString &litPicture, InFront inFront)
{
    const auto picture = [&](const LampPlace &lamp, const QString &path, const char *state) {
        auto *image =
                new forms::Image(diagram, forms::twipsRect(lamp.place.x(), lamp.place.y(), size.width(), size.height()),
                                 forms::Picture(path));
        image->setObjectName(QString::fromLatin1(lamp.object) + QString::fromLatin1(state));
        return image;
    };
    std::vector<Lamp> lamps;
    lamps.reserve(places.size());
    for (const LampPlace &lamp : places) {
        // Within one parent a control made earlier lies in front.
        forms::Image *unlit = nullptr;
        forms::Image *lit = nullptr;
        if (inFront == InFront::Unlit) {
            unlit = picture(lamp, unlitPicture, "Unlit");
            lit = picture(lamp, litPicture, "Lit");
        } else {
            lit = picture(lamp, litPicture, "Lit");
            unlit = picture(lamp, unlitPicture, "Unlit");
        }
        lamps.emplace_back(*unlit, *lit, QString::fromUtf8(lamp.name));
    }
    return lamps;
}
