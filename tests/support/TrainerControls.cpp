// The trainers' looks, as one line each.

#include "support/TrainerControls.h"

#include <QColor>
#include <QImage>

namespace {

// What a pair of pictures shows: the first lies in front, so '0' when it is
// shown, else '1' when the second is, else '-'.
char seen(const forms::Image *first, const forms::Image *second)
{
    if (first->shown())
        return '0';
    return second->shown() ? '1' : '-';
}

} // namespace

std::string look(const SerialControls &s)
{
    std::string line;
    for (int k = 3; k >= 0; --k)
        line += seen(s.zero(k), s.one(k));
    line += std::string(" e") + seen(s.inputUnlit, s.inputLit) + " s" + seen(s.outputUnlit, s.outputLit) + " h"
            + seen(s.clockUnlit, s.clockLit) + " r" + seen(s.resetUnlit, s.resetLit);
    line += " n=" + s.pulseCountLabel->caption().toStdString() + " st=" + s.statusLabel->caption().toStdString()
            + " box=" + s.wordBox->text().toStdString();
    if (s.wordBox->locked())
        line += " locked";
    return line;
}

std::string view(const SerialParallelControls &s)
{
    const QImage drawn = s.diagram->inside()->grab().toImage();
    std::string lamps;
    const std::pair<forms::Image *, char> pairs[] = { { s.clockUnlit, 'H' },   { s.resetUnlit, 'R' },
                                                      { s.inputUnlit, 'E' },   { s.readUnlit, 'L' },
                                                      { s.output4Unlit, '4' }, { s.output3Unlit, '3' },
                                                      { s.output2Unlit, '2' }, { s.output1Unlit, '1' } };
    for (const auto &[unlit, letter] : pairs) {
        const QColor c = drawn.pixelColor(unlit->geometry().topLeft() + QPoint(6, 6));
        lamps += c == QColor(0xFF, 0x0F, 0x50) ? letter : c == QColor(Qt::white) ? '.' : '?';
    }
    std::string line = lamps + " n=" + s.pulseCountLabel->caption().toStdString()
            + " r=" + s.readLabel->caption().toStdString() + " [" + s.wordBox->text().toStdString() + "]";
    if (s.wordBox->locked())
        line += " locked";
    return line;
}
