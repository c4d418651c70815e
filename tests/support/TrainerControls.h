#pragma once
// What the learner sees and touches of each trainer, found by the names the
// window gives its controls (their object names, or their captions), and
// what the trainer's rules hold, read only.

#include "serial/SerialTrainer.h"
#include "serial_parallel/SerialParallelTrainer.h"
#include "support/ProgramFixture.h"

#include <array>
#include <string>
#include <utility>

// What both trainers have.
struct TrainerControls
{
    explicit TrainerControls(TrainerForm &trainer)
        : form(trainer),
          word(&std::as_const(trainer).word()),
          diagram(named<forms::PictureBox>(trainer, "diagram")),
          wordBox(named<forms::TextBox>(trainer, "wordBox")),
          menuButton(named<forms::CommandButton>(trainer, "menuButton")),
          quitButton(named<forms::CommandButton>(trainer, "quitButton")),
          pulseCountLabel(named<forms::Label>(trainer, "pulseCountLabel")),
          enterWordLabel(label(trainer, QStringLiteral("Entrez un mot"))),
          fourBitsLabel(label(trainer, QStringLiteral("de 4 bits 0 ou 1"))),
          inputUnlit(picture("inputUnlit")),
          inputLit(picture("inputLit")),
          clockUnlit(picture("clockUnlit")),
          clockLit(picture("clockLit")),
          resetUnlit(picture("resetUnlit")),
          resetLit(picture("resetLit"))
    {
    }

    forms::Image *picture(const char *name) const { return named<forms::Image>(form, name); }

    TrainerForm &form;
    const WordEntry *word;
    forms::PictureBox *diagram;
    forms::TextBox *wordBox;
    forms::CommandButton *menuButton;
    forms::CommandButton *quitButton;
    forms::Label *pulseCountLabel;
    forms::Label *enterWordLabel;
    forms::Label *fourBitsLabel;
    forms::Image *inputUnlit;
    forms::Image *inputLit;
    forms::Image *clockUnlit;
    forms::Image *clockLit;
    forms::Image *resetUnlit;
    forms::Image *resetLit;
};

// The serial trainer: its status line, cells and output lamp besides.
struct SerialControls : TrainerControls
{
    explicit SerialControls(SerialTrainer &trainer)
        : TrainerControls(trainer),
          window(trainer),
          statusLabel(named<forms::Label>(trainer, "statusLabel")),
          pulsesLabel(label(trainer, QStringLiteral("Puis validez avec Transfert - H - 4 fois."))),
          errorLabel(label(trainer, QStringLiteral("En cas d'erreur, faire une RAZ"))),
          cell0Zero(picture("cell0Zero")),
          cell1Zero(picture("cell1Zero")),
          cell2Zero(picture("cell2Zero")),
          cell3Zero(picture("cell3Zero")),
          cell0One(picture("cell0One")),
          cell1One(picture("cell1One")),
          cell2One(picture("cell2One")),
          cell3One(picture("cell3One")),
          outputUnlit(picture("outputUnlit")),
          outputLit(picture("outputLit"))
    {
    }

    // Cell k's "0" and "1" pictures, cell 3 at the input end.
    forms::Image *zero(int k) const { return std::array{ cell0Zero, cell1Zero, cell2Zero, cell3Zero }[k]; }
    forms::Image *one(int k) const { return std::array{ cell0One, cell1One, cell2One, cell3One }[k]; }

    SerialTrainer &window;
    forms::Label *statusLabel;
    forms::Label *pulsesLabel;
    forms::Label *errorLabel;
    forms::Image *cell0Zero;
    forms::Image *cell1Zero;
    forms::Image *cell2Zero;
    forms::Image *cell3Zero;
    forms::Image *cell0One;
    forms::Image *cell1One;
    forms::Image *cell2One;
    forms::Image *cell3One;
    forms::Image *outputUnlit;
    forms::Image *outputLit;
};

// The serial-in parallel-out trainer: its read line, read lamp and outputs
// besides.
struct SerialParallelControls : TrainerControls
{
    explicit SerialParallelControls(SerialParallelTrainer &trainer)
        : TrainerControls(trainer),
          window(trainer),
          readLabel(named<forms::Label>(trainer, "readLabel")),
          inputLabel(label(trainer, QStringLiteral("Entrée"))),
          pulsesLabel(
                  label(trainer, QStringLiteral("Puis validez avec Cde - H - 4 fois.   Ensuite faire une lecture."))),
          errorLabel(label(trainer, QStringLiteral("En cas d'erreur faire une remise à  zéro               (RAZ)"))),
          readCommandPicture(picture("readCommandPicture")),
          readUnlit(picture("readUnlit")),
          readLit(picture("readLit")),
          output1Unlit(picture("output1Unlit")),
          output1Lit(picture("output1Lit")),
          output2Unlit(picture("output2Unlit")),
          output2Lit(picture("output2Lit")),
          output3Unlit(picture("output3Unlit")),
          output3Lit(picture("output3Lit")),
          output4Unlit(picture("output4Unlit")),
          output4Lit(picture("output4Lit"))
    {
    }

    // Output S<n>'s pictures, n from 1 to 4.
    forms::Image *outputUnlit(int n) const
    {
        return std::array{ output1Unlit, output2Unlit, output3Unlit, output4Unlit }[n - 1];
    }
    forms::Image *outputLit(int n) const { return std::array{ output1Lit, output2Lit, output3Lit, output4Lit }[n - 1]; }

    SerialParallelTrainer &window;
    forms::Label *readLabel;
    forms::Label *inputLabel;
    forms::Label *pulsesLabel;
    forms::Label *errorLabel;
    forms::Image *readCommandPicture;
    forms::Image *readUnlit;
    forms::Image *readLit;
    forms::Image *output1Unlit;
    forms::Image *output1Lit;
    forms::Image *output2Unlit;
    forms::Image *output2Lit;
    forms::Image *output3Unlit;
    forms::Image *output3Lit;
    forms::Image *output4Unlit;
    forms::Image *output4Lit;
};

// The serial trainer as the learner sees it, as one line:
//   "cells e? s? h? r? n=<pulse count> st=<status line> box=<text>[ locked]"
// cells from cell 3 (input end) to cell 0 (output end), each the digit in
// front; e, s, h, r the input, output, clock and reset lamps, 1 when lit.
std::string look(const SerialControls &s);

// The serial-in parallel-out trainer as the learner sees it, as one line:
// the lamps H, RAZ, input, read, S4, S3, S2, S1 as they are drawn (a lit
// lamp by its letter, an unlit one by '.'), then the pulse count, the read
// result, the word box in brackets and "locked" while it is locked:
//   "H.E..... n=1 r= [101] locked"
std::string view(const SerialParallelControls &s);
