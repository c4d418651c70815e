// The windows' pictures as drawn on the screen: the diagrams, the card, the
// lamps and the digits come out as each picture rendered for the screen's
// device pixel ratio, pixel for pixel, inside a sunken edge that lies on
// whole device pixels. The suite runs on the plain screen and again with
// QT_SCALE_FACTOR at 2 and at 1.5; a window moved to a screen of another
// ratio draws its pictures anew for it, on two screens of ratio 1 and 2 (see
// CMakeLists.txt).

#include "forms/Controls.h"
#include "forms/Pictures.h"
#include "main_menu/ComingSoonCard.h"
#include "navigation/FormId.h"
#include "parallel/ParallelRegister.h"
#include "serial/SerialTrainer.h"
#include "serial_parallel/SerialParallelTrainer.h"
#include "support/ProgramFixture.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>
#include <string>

namespace {

// A picture drawn on a widget: its top left corner at `at` in the widget,
// and the part of it compared, in the picture's own pixels.
struct Drawn
{
    std::string what;
    QWidget *widget;
    const char *picture;
    QPoint at;
    QRect part;
};

// The device pixels of a part of a picture that lie wholly inside it.
QRect devicePixels(const QRect &part, qreal ratio)
{
    return QRect(QPoint(int(std::floor(part.left() * ratio - 0.5)) + 1, int(std::floor(part.top() * ratio - 0.5)) + 1),
                 QPoint(int(std::ceil((part.right() + 1) * ratio - 0.5)) - 1,
                        int(std::ceil((part.bottom() + 1) * ratio - 0.5)) - 1));
}

void expectDrawnAtTheScreensRatio(const Drawn &d)
{
    SCOPED_TRACE(d.what);
    const qreal ratio = d.widget->devicePixelRatioF();
    const QImage screen = d.widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage picture = forms::picture(QStringLiteral(":/assets/") + QLatin1String(d.picture), ratio)
                                   .toImage()
                                   .convertToFormat(QImage::Format_ARGB32);
    const QPointF offset = QPointF(d.at) * ratio;
    ASSERT_EQ(offset, QPointF(offset.toPoint())) << "a place that falls on whole device pixels";
    const QRect inPicture = devicePixels(d.part, ratio);
    const QImage seen = screen.copy(inPicture.translated(offset.toPoint()));
    const QImage expected = picture.copy(inPicture);
    int wrong = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (seen.pixel(x, y) != expected.pixel(x, y) && ++wrong <= 3)
                ADD_FAILURE() << "at " << x << "," << y << " of the part at ratio " << ratio;
    EXPECT_EQ(wrong, 0);
}

class DrawnAtTheScreensRatio : public ProgramFixture
{
protected:
    template<class T>
    T &shown(FormId id)
    {
        registry.show(id);
        return form<T>(id);
    }
};

TEST_F(DrawnAtTheScreensRatio, SerialTrainer)
{
    SerialTrainer &s = shown<SerialTrainer>(FormId::SerialTrainer);
    QWidget *diagram = named<forms::PictureBox>(s, "diagram")->inside();
    // The block with its lettering; the flip-flops under the cells'
    // digits; every lamp and the cells, all at first display.
    for (const Drawn &d : {
                 Drawn{ "the block", diagram, "serial-diagram.svg", { 0, 0 }, { 140, 0, 250, 60 } },
                 Drawn{ "the buses", diagram, "serial-diagram.svg", { 0, 0 }, { 60, 158, 240, 32 } },
                 Drawn{ "cell 3", diagram, "digit-0.svg", { 96, 136 }, { 0, 0, 16, 17 } },
                 Drawn{ "cell 0", diagram, "digit-0.svg", { 304, 136 }, { 0, 0, 16, 17 } },
                 Drawn{ "the clock lamp", diagram, "lamp-unlit.svg", { 48, 192 }, { 0, 0, 12, 12 } },
                 Drawn{ "the output lamp", diagram, "lamp-unlit.svg", { 368, 128 }, { 0, 0, 12, 12 } },
         })
        expectDrawnAtTheScreensRatio(d);
}

TEST_F(DrawnAtTheScreensRatio, SerialInParallelOutTrainer)
{
    SerialParallelTrainer &s = shown<SerialParallelTrainer>(FormId::SerialParallelTrainer);
    QWidget *diagram = named<forms::PictureBox>(s, "diagram")->inside();
    for (const Drawn &d : {
                 Drawn{ "the titles", diagram, "serial-parallel-diagram.svg", { 0, 0 }, { 0, 0, 180, 30 } },
                 Drawn{ "the gates", diagram, "serial-parallel-diagram.svg", { 0, 0 }, { 100, 150, 246, 50 } },
                 Drawn{ "the read label", diagram, "read-command.svg", { 2, 170 }, { 0, 0, 66, 28 } },
                 Drawn{ "the clock lamp", diagram, "lamp-unlit.svg", { 24, 280 }, { 0, 0, 12, 12 } },
                 Drawn{ "output S4", diagram, "lamp-unlit.svg", { 114, 136 }, { 0, 0, 12, 12 } },
         })
        expectDrawnAtTheScreensRatio(d);
}

TEST_F(DrawnAtTheScreensRatio, ParallelRegisterAndCard)
{
    ParallelRegister &p = shown<ParallelRegister>(FormId::ParallelRegister);
    ComingSoonCard &card = shown<ComingSoonCard>(FormId::ComingSoonCard);
    for (const Drawn &d : {
                 Drawn{ "the parallel block",
                        named<forms::PictureBox>(p, "diagram")->inside(),
                        "parallel-diagram.svg",
                        { 0, 0 },
                        { 0, 0, 365, 130 } },
                 Drawn{ "lamp E4",
                        named<forms::PictureBox>(p, "diagram")->inside(),
                        "parallel-lamp-lit.svg",
                        { 60, 176 },
                        { 0, 0, 16, 16 } },
                 Drawn{ "the card",
                        named<forms::PictureBox>(card, "card")->inside(),
                        "card.svg",
                        { 0, 0 },
                        { 0, 0, 220, 150 } },
         })
        expectDrawnAtTheScreensRatio(d);
}

// The sunken edge of the diagram's box as the window shows it: two lines of
// one pixel all round, each drawn on whole device pixels. A device pixel
// whose centre lies within a line takes its colour, so at ratio 2 each line
// is two device pixels wide, and at 1.5 one or two; a device pixel centred
// on the border between two lines may take either. Nothing else shows:
// neither the box's own colour between the lines, nor any line outside the
// box, where the window's colour lies.
TEST_F(DrawnAtTheScreensRatio, PictureBoxEdgeLiesOnWholeDevicePixels)
{
    forms::PictureBox *box = named<forms::PictureBox>(shown<SerialTrainer>(FormId::SerialTrainer), "diagram");
    QWidget *window = box->window();
    const qreal ratio = window->devicePixelRatioF();
    const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QRect place(box->mapTo(window, QPoint(0, 0)), box->size());
    const QRgb windowColour = box->parentWidget()->palette().color(QPalette::Window).rgba();

    // Each side read from outside the box inwards: the outer line, then the
    // inner one.
    struct Side
    {
        const char *name;
        bool vertical; // read along a column, across a horizontal side
        bool far; // the bottom or right side, read upwards or leftwards
        QRgb outer, inner;
    };
    const Side sides[] = {
        { "top", true, false, 0xFF808080, 0xFF404040 },
        { "left", false, false, 0xFF808080, 0xFF404040 },
        { "bottom", true, true, 0xFFFFFFFF, 0xFFD4D0C8 },
        { "right", false, true, 0xFFFFFFFF, 0xFFD4D0C8 },
    };
    for (const Side &side : sides) {
        SCOPED_TRACE(std::string(side.name) + " at " + std::to_string(ratio));
        const int length = side.vertical ? place.width() : place.height();
        const int start = side.vertical ? place.left() : place.top();
        // The box's border on that side, in device pixels; a device pixel's
        // depth is how far its centre lies within the box from there.
        const qreal border = ratio
                * (side.vertical ? (side.far ? place.bottom() + 1 : place.top())
                                 : (side.far ? place.right() + 1 : place.left()));
        const int step = side.far ? -1 : 1;
        // The first device pixel read is centred outside the box, at most
        // one device pixel from it.
        const int first = side.far ? int(std::floor(border + 0.5)) : int(std::ceil(border - 1.5));
        int wrong = 0;
        // Along the side, clear of the corners where the sides meet.
        for (int along = 2; along < length - 2; ++along) {
            const int a = int(std::floor((start + along + 0.5) * ratio));
            std::string seen;
            bool fits = true;
            for (int d = first;; d += step) {
                const qreal depth = (side.far ? border - (d + 0.5) : d + 0.5 - border) / ratio;
                if (depth >= 2)
                    break;
                const QRgb pixel = side.vertical ? shot.pixel(a, d) : shot.pixel(d, a);
                const bool outside = pixel == windowColour && depth <= 0;
                const bool outer = pixel == side.outer && depth >= 0 && depth <= 1;
                const bool inner = pixel == side.inner && depth >= 1;
                fits = fits && (outside || outer || inner);
                seen += QColor(pixel).name().toStdString() + " ";
            }
            if (!fits && ++wrong <= 3)
                ADD_FAILURE() << "from outside inwards at " << along << ": " << seen;
        }
        EXPECT_EQ(wrong, 0);
    }
}

class MovedToAnotherScreen : public DrawnAtTheScreensRatio
{
};

TEST_F(MovedToAnotherScreen, ItsPicturesAreRenderedAgainForThatScreensRatio)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.size() < 2 || screens[0]->devicePixelRatio() == screens[1]->devicePixelRatio())
        GTEST_SKIP() << "needs two screens of different ratios";
    SerialTrainer &s = shown<SerialTrainer>(FormId::SerialTrainer);
    QWidget *diagram = named<forms::PictureBox>(s, "diagram")->inside();
    const Drawn drawn[] = {
        { "the block", diagram, "serial-diagram.svg", { 0, 0 }, { 140, 0, 250, 60 } },
        { "the clock lamp", diagram, "lamp-unlit.svg", { 48, 192 }, { 0, 0, 12, 12 } },
    };
    for (QScreen *screen : { screens[0], screens[1], screens[0] }) {
        SCOPED_TRACE(screen->name().toStdString());
        s.setScreen(screen);
        ASSERT_EQ(diagram->devicePixelRatioF(), screen->devicePixelRatio());
        for (const Drawn &d : drawn)
            expectDrawnAtTheScreensRatio(d);
    }
}

} // namespace
