#pragma once
// The serial-in serial-out trainer "Registre série": the diagram of a 4-bit
// register of D flip-flops with a "0"/"1" display per cell, the serial input
// and output lamps, the clock lamp "H" and the reset lamp "RAZ", the pulse
// count and the status line, beside the column that every trainer has.
//
// Each click on "H" runs the clock animation, whose second tick applies one
// pulse: four pulses shift the word in, four more shift it out, the ninth
// resets the register. "RAZ", and the validation message, run the animated
// reset. The clock and reset animations share one tick counter. The cells
// are held only in which of their two pictures is shown.

#include "trainer/BitCell.h"
#include "trainer/Lamp.h"
#include "trainer/TrainerForm.h"
#include "trainer/TwoTickAnimation.h"

#include <optional>
#include <vector>

class SerialTrainer final : public TrainerForm
{
public:
    explicit SerialTrainer(forms::Services &services);

    // What the rules hold, for reading.
    int pulseCount() const { return pulseCount_; }
    int tickCount() const { return tickCount_; }
    bool clockRunning() const { return clock_->running(); }

protected:
    void onLoad() override;

private:
    // The lamps, in the order of lamps_.
    enum LampId { Input, Output, Clock, Reset };

    void buildDiagram(QWidget *inside);
    void applyClockPulse();
    void shift(int pulse);
    void finishReset();
    void clearRegister();
    void announcePulse();

    forms::Label *pulseCountLabel_ = nullptr;
    forms::Label *statusLabel_ = nullptr; // "RAZ" once the register is reset
    // cells_[k] is cell k: cell 3 at the input end, cell 0 at the output end.
    std::vector<BitCell> cells_;
    std::vector<Lamp> lamps_;
    std::optional<TwoTickAnimation> clock_;
    int pulseCount_ = 0;
    int tickCount_ = 0; // shared by the clock and reset animations
};
