// Captions wrap between words where the windows were laid out to wrap them:
// every line of a label fits its height, and the lines break as designed.

#include "navigation/ScreenId.h"
#include "serial/SerialTrainer.h"
#include "serial_parallel/SerialParallelTrainer.h"
#include "support/ProgramFixture.h"

#include <QTextLayout>

namespace {

// The lines a label shows, as its word wrap breaks its caption.
QStringList shownLines(const forms::Label* label)
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

class CaptionWrap : public ProgramFixture {};

TEST_F(CaptionWrap, InstructionsBreakAsDesigned)
{
    SerialTrainer& serie = screen<SerialTrainer>(ScreenId::SerialTrainer);
    SerialParallelTrainer& parallel = screen<SerialParallelTrainer>(ScreenId::SerialParallelTrainer);
    const struct {
        const char* name;
        forms::Label* label;
        QStringList lines;
    } cases[] = {
        {"serial Label2", serie.pulsesLabel, {"Puis validez avec", "Transfert - H - 4 fois."}},
        {"serial Label3", serie.errorLabel, {"En cas d'erreur, faire", "une RAZ"}},
        {"parallel Label3", parallel.errorLabel, {"En cas d'erreur faire", "une remise à  zéro", "(RAZ)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shownLines(c.label), c.lines);
    }
}

TEST_F(CaptionWrap, EveryLineOfTheInstructionsFitsItsLabel)
{
    SerialTrainer& serie = screen<SerialTrainer>(ScreenId::SerialTrainer);
    SerialParallelTrainer& parallel = screen<SerialParallelTrainer>(ScreenId::SerialParallelTrainer);
    for (forms::Label* label : {serie.enterWordLabel, serie.pulsesLabel, serie.errorLabel, serie.fourBitsLabel, parallel.enterWordLabel,
                                parallel.pulsesLabel, parallel.errorLabel, parallel.fourBitsLabel}) {
        SCOPED_TRACE(label->caption().toStdString());
        const int lines = static_cast<int>(shownLines(label).size());
        EXPECT_LE(lines * QFontMetrics(label->font()).lineSpacing(), label->height());
    }
}
