#pragma once
// The serial-in parallel-out trainer. The learner types a word of four
// characters "0"/"1" into the word box, shifts it in with four clicks on the
// clock lamp "H" (each pulse shows the entering bit on the input lamp and
// cuts the box by one character), then clicks the read lamp to light each
// output S1 to S4 whose bit is "1" and show the word beside them; the RAZ
// lamp clears the screen but keeps the stored characters. The flip-flops'
// contents are never shown: the read works from the pulse count and the
// stored characters. The clock and read animations count in one tick
// counter, the reset in its own.

#include "trainer/Lamp.h"
#include "trainer/TrainerForm.h"
#include "trainer/TwoTickAnimation.h"

#include <optional>
#include <vector>

class SerialParallelTrainer final : public TrainerForm
{
public:
    explicit SerialParallelTrainer(forms::Services &services);

    // What the rules hold, for reading.
    int pulseCount() const { return pulseCount_; }
    int tickCount() const { return tickCount_; }
    int resetTickCount() const { return resetTickCount_; }
    bool clockRunning() const { return clock_->running(); }
    bool readRunning() const { return read_->running(); }

protected:
    void onLoad() override;

private:
    // The lamps, in the order of lamps_: the outputs from S4 at Output4 to
    // S1 at Output4 + 3.
    enum LampId { Clock, Reset, Input, Read, Output4 };

    void buildDiagram(QWidget *inside);
    void onClockClicked();
    void shift();
    void readOutputs();
    void clearScreen();
    void showPulseCount();
    // Output S<n>, n from 1 to 4.
    Lamp &output(int n) { return lamps_[Output4 + 4 - n]; }

    forms::Label *pulseCountLabel_ = nullptr;
    forms::Label *readLabel_ = nullptr; // the word read onto the outputs
    std::vector<Lamp> lamps_;
    std::optional<TwoTickAnimation> clock_;
    std::optional<TwoTickAnimation> read_;
    int pulseCount_ = 0;
    int tickCount_ = 0; // shared by the clock and read animations
    int resetTickCount_ = 0; // the reset's own
};
