// Samples pixels of an X window as fast as it can, each sample stamped with
// the wall-clock times just before and just after its grab, so that a
// script can tell what the window showed between two moments. One process
// for many samples: a grab takes a millisecond or so, where a new process
// for each pixel would take tens of them on a loaded machine.
//
// Usage: pixel_sampler WINDOW_ID DURATION_MS X Y [X Y ...]
// Grabs once and prints "ready", then for up to DURATION_MS prints one line
// per grab: "<µs since the epoch before> <µs after> RRGGBB [RRGGBB ...]", one
// colour per point, points in window pixels. It stops sooner, 50 ms after
// the first point has changed colour twice (a lamp lit and put out again).
// Exits 2 on bad arguments.

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QScreen>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

long long microsecondsSinceEpoch()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace

int main(int argc, char *argv[])
{
    // Another platform could not read an X window.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication application(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 5 || args.size() % 2 == 0) {
        std::fprintf(stderr, "usage: pixel_sampler WINDOW_ID DURATION_MS X Y [X Y ...]\n");
        return 2;
    }
    bool ok = true;
    const WId window = args.at(1).toULongLong(&ok, 0);
    const int durationMs = args.at(2).toInt(&ok);
    std::vector<QPoint> points;
    QRect around;
    for (qsizetype i = 3; i + 1 < args.size(); i += 2) {
        const QPoint p(args.at(i).toInt(&ok), args.at(i + 1).toInt(&ok));
        points.push_back(p);
        around = around.united(QRect(p, QSize(1, 1)));
    }
    if (!ok || window == 0 || durationMs <= 0) {
        std::fprintf(stderr, "pixel_sampler: bad arguments\n");
        return 2;
    }

    QScreen *screen = QGuiApplication::primaryScreen();
    // Answers the first point's colour.
    auto sample = [&](bool print) {
        const long long before = microsecondsSinceEpoch();
        const QImage image =
                screen->grabWindow(window, around.x(), around.y(), around.width(), around.height()).toImage();
        const long long after = microsecondsSinceEpoch();
        QRgb first = 0;
        if (print)
            std::printf("%lld %lld", before, after);
        for (const QPoint &p : points) {
            const QPoint at = p - around.topLeft();
            const QRgb c = image.valid(at) ? image.pixel(at) & 0xFFFFFF : 0;
            if (&p == &points.front())
                first = c;
            if (print)
                std::printf(" %02X%02X%02X", qRed(c), qGreen(c), qBlue(c));
        }
        if (print)
            std::printf("\n");
        return first;
    };

    using Clock = std::chrono::steady_clock;
    QRgb last = sample(false);
    std::printf("ready\n");
    std::fflush(stdout);
    auto end = Clock::now() + std::chrono::milliseconds(durationMs);
    int changes = 0;
    while (Clock::now() < end) {
        const QRgb now = sample(true);
        if (now != last && ++changes == 2)
            end = std::min(end, Clock::now() + std::chrono::milliseconds(50));
        last = now;
    }
    return 0;
}
