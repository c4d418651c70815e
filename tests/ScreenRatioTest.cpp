// The windows' pictures as drawn on the screen: the diagrams, the card, the
// lamps and the digits come out as each picture rendered for the screen's
// device pixel ratio, pixel for pixel. The suite runs on the plain screen and
// again with QT_SCALE_FACTOR at 2 and at 1.5; a window moved to a screen of
// another ratio draws its pictures anew for it, on two screens of ratio 1
// and 2 (see CMakeLists.txt).

#include "forms/Pictures.h"
#include "main_menu/ComingSoonCard.h"
#include "navigation/ScreenId.h"
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
struct Drawn {
    std::string what;
    QWidget* widget;
    const char* picture;
    QPoint at;
    QRect part;
};

// The device pixels of a part of a picture that lie wholly inside it.
QRect devicePixels(const QRect& part, qreal ratio)
{
    return QRect(QPoint(int(std::floor(part.left() * ratio - 0.5)) + 1,
                        int(std::floor(part.top() * ratio - 0.5)) + 1),
                 QPoint(int(std::ceil((part.right() + 1) * ratio - 0.5)) - 1,
                        int(std::ceil((part.bottom() + 1) * ratio - 0.5)) - 1));
}

void expectDrawnAtTheScreensRatio(const Drawn& d)
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

class DrawnAtTheScreensRatio : public ProgramFixture {
protected:
    template <class T>
    T& shown(ScreenId id)
    {
        registry.show(id);
        return screen<T>(id);
    }
};

TEST_F(DrawnAtTheScreensRatio, SerialTrainer)
{
    SerialTrainer& s = shown<SerialTrainer>(ScreenId::SerialTrainer);
    QWidget* diagram = s.diagram->inside();
    // The block with its lettering; the flip-flops under the cells'
    // digits; every lamp and the cells, all at first display.
    for (const Drawn& d : {
             Drawn{"the block", diagram, "serial-diagram.svg", {0, 0}, {140, 0, 250, 60}},
             Drawn{"the buses", diagram, "serial-diagram.svg", {0, 0}, {60, 158, 240, 32}},
             Drawn{"cell 3", diagram, "digit-0.svg", {96, 136}, {0, 0, 16, 17}},
             Drawn{"cell 0", diagram, "digit-0.svg", {304, 136}, {0, 0, 16, 17}},
             Drawn{"the clock lamp", diagram, "lamp-unlit.svg", {48, 192}, {0, 0, 12, 12}},
             Drawn{"the output lamp", diagram, "lamp-unlit.svg", {368, 128}, {0, 0, 12, 12}},
         })
        expectDrawnAtTheScreensRatio(d);
}

TEST_F(DrawnAtTheScreensRatio, SerialInParallelOutTrainer)
{
    SerialParallelTrainer& s = shown<SerialParallelTrainer>(ScreenId::SerialParallelTrainer);
    QWidget* diagram = s.diagram->inside();
    for (const Drawn& d : {
             Drawn{"the titles", diagram, "serial-parallel-diagram.svg", {0, 0}, {0, 0, 180, 30}},
             Drawn{"the gates", diagram, "serial-parallel-diagram.svg", {0, 0}, {100, 150, 246, 50}},
             Drawn{"the read label", diagram, "read-command.svg", {2, 170}, {0, 0, 66, 28}},
             Drawn{"the clock lamp", diagram, "lamp-unlit.svg", {24, 280}, {0, 0, 12, 12}},
             Drawn{"output S4", diagram, "lamp-unlit.svg", {114, 136}, {0, 0, 12, 12}},
         })
        expectDrawnAtTheScreensRatio(d);
}

TEST_F(DrawnAtTheScreensRatio, ParallelRegisterAndCard)
{
    ParallelRegister& p = shown<ParallelRegister>(ScreenId::ParallelRegister);
    ComingSoonCard& card = shown<ComingSoonCard>(ScreenId::ComingSoonCard);
    for (const Drawn& d : {
             Drawn{"the parallel block", p.diagram->inside(), "parallel-diagram.svg", {0, 0}, {0, 0, 365, 130}},
             Drawn{"lamp E4", p.diagram->inside(), "parallel-lamp-lit.svg", {60, 176}, {0, 0, 16, 16}},
             Drawn{"the card", card.card->inside(), "card.svg", {0, 0}, {0, 0, 220, 150}},
         })
        expectDrawnAtTheScreensRatio(d);
}

class MovedToAnotherScreen : public DrawnAtTheScreensRatio {};

TEST_F(MovedToAnotherScreen, ItsPicturesAreRenderedAgainForThatScreensRatio)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() < 2 || screens[0]->devicePixelRatio() == screens[1]->devicePixelRatio())
        GTEST_SKIP() << "needs two screens of different ratios";
    SerialTrainer& s = shown<SerialTrainer>(ScreenId::SerialTrainer);
    QWidget* diagram = s.diagram->inside();
    const Drawn drawn[] = {
        {"the block", diagram, "serial-diagram.svg", {0, 0}, {140, 0, 250, 60}},
        {"the clock lamp", diagram, "lamp-unlit.svg", {48, 192}, {0, 0, 12, 12}},
    };
    for (QScreen* screen : {screens[0], screens[1], screens[0]}) {
        SCOPED_TRACE(screen->name().toStdString());
        s.setScreen(screen);
        ASSERT_EQ(diagram->devicePixelRatioF(), screen->devicePixelRatio());
        for (const Drawn& d : drawn)
            expectDrawnAtTheScreensRatio(d);
    }
}

} // namespace
