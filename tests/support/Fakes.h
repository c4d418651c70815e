#pragma once
// A message box that records what it was asked to show and returns at once,
// as if the learner had clicked OK, and an end of the program that records.

#include "forms/MessageBox.h"
#include "forms/ProgramEnd.h"

#include <QStringList>

#include <functional>
#include <vector>

class RecordingMessageBox final : public forms::MessageBox
{
public:
    void show(QWidget &window, const QString &text) override
    {
        shown.append(text);
        raisedBy.push_back(&window);
        if (whileOpen)
            whileOpen();
    }
    QStringList shown;
    // The window that raised each box, in the order shown.
    std::vector<QWidget *> raisedBy;
    // Runs while the box is "open", before it returns.
    std::function<void()> whileOpen;
};

class RecordingEnd final : public forms::ProgramEnd
{
public:
    void end() override { ++ended; }
    int ended = 0;
};
