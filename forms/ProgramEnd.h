#pragma once
// Ending the program: the process stops at once, no handler runs and
// nothing is saved. Tests record the request instead.

namespace forms {

class ProgramEnd
{
public:
    virtual ~ProgramEnd() = default;
    virtual void end() = 0;
};

class ProcessEnd final : public ProgramEnd
{
public:
    void end() override;
};

} // namespace forms
