// Captions wrap between words where the windows were laid out to wrap them:
// every line of a label fits its height, and the lines break as designed.

#include "serial/Serie.h"
#include "serial_parallel/sp.h"
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
    Serie& serie = screen<Serie>(ScreenId::Serie);
    sp& parallel = screen<sp>(ScreenId::sp);
    const struct {
        const char* name;
        forms::Label* label;
        QStringList lines;
    } cases[] = {
        {"serial Label2", serie.Label2, {"Puis validez avec", "Transfert - H - 4 fois."}},
        {"serial Label3", serie.Label3, {"En cas d'erreur, faire", "une RAZ"}},
        {"parallel Label3", parallel.Label3, {"En cas d'erreur faire", "une remise à  zéro", "(RAZ)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shownLines(c.label), c.lines);
    }
}

TEST_F(CaptionWrap, EveryLineOfTheInstructionsFitsItsLabel)
{
    Serie& serie = screen<Serie>(ScreenId::Serie);
    sp& parallel = screen<sp>(ScreenId::sp);
    for (forms::Label* label : {serie.Label1, serie.Label2, serie.Label3, serie.Label4, parallel.Label1,
                                parallel.Label2, parallel.Label3, parallel.Label4}) {
        SCOPED_TRACE(label->caption().toStdString());
        const int lines = static_cast<int>(shownLines(label).size());
        EXPECT_LE(lines * QFontMetrics(label->font()).lineSpacing(), label->height());
    }
}
