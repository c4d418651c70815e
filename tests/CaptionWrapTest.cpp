// Captions wrap between words where the windows were laid out to wrap them:
// every line of a label fits its height, and the lines break as designed.

#include "navigation/FormId.h"
#include "serial/SerialTrainer.h"
#include "serial_parallel/SerialParallelTrainer.h"
#include "support/ProgramFixture.h"
#include "support/TrainerControls.h"

#include <QTextLayout>

namespace {

// The lines a label shows, as its word wrap breaks its caption.
QStringList shownLines(const forms::Label *label)
{
    const QString text = label->text();
    QTextLayout layout(text, label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->width());
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}

} // namespace

class CaptionWrap : public ProgramFixture
{
};

TEST_F(CaptionWrap, InstructionsBreakAsDesigned)
{
    const SerialControls serial(form<SerialTrainer>(FormId::SerialTrainer));
    const SerialParallelControls serialParallel(form<SerialParallelTrainer>(FormId::SerialParallelTrainer));
    const struct
    {
        const char *name;
        forms::Label *label;
        QStringList lines;
    } cases[] = {
        { "serial pulsesLabel", serial.pulsesLabel, { "Puis validez avec", "Transfert - H - 4 fois." } },
        { "serial errorLabel", serial.errorLabel, { "En cas d'erreur, faire", "une RAZ" } },
        { "serial-parallel errorLabel",
          serialParallel.errorLabel,
          { "En cas d'erreur faire", "une remise à  zéro", "(RAZ)" } },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shownLines(c.label), c.lines);
    }
}

TEST_F(CaptionWrap, EveryLineOfTheInstructionsFitsItsLabel)
{
    const SerialControls serial(form<SerialTrainer>(FormId::SerialTrainer));
    const SerialParallelControls serialParallel(form<SerialParallelTrainer>(FormId::SerialParallelTrainer));
    for (forms::Label *label : { serial.enterWordLabel, serial.pulsesLabel, serial.errorLabel, serial.fourBitsLabel,
                                 serialParallel.enterWordLabel, serialParallel.pulsesLabel, serialParallel.errorLabel,
                                 serialParallel.fourBitsLabel }) {
        SCOPED_TRACE(label->caption().toStdString());
        const int lines = static_cast<int>(shownLines(label).size());
        EXPECT_LE(lines * QFontMetrics(label->font()).lineSpacing(), label->height());
    }
}
