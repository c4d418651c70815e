#pragma once
// A message box that records what it was asked to show and returns at once,
// as if the learner had clicked OK, and an end of the program that records.

#include "forms/MessageBox.h"
#include "forms/ProgramEnd.h"

#include <QStringList>

#include <functional>

class RecordingMessageBox final : public forms::MessageBox {
public:
    void show(const QString& text) override
    {
        shown.append(text);
        if (whileOpen)
            whileOpen();
    }
    QStringList shown;
    // Runs while the box is "open", before it returns.
    std::function<void()> whileOpen;
};

class RecordingEnd final : public forms::ProgramEnd {
public:
    void end() override { ++ended; }
    int ended = 0;
};
