#pragma once
// Faults injected into the suite's file writes: a step that fails as a full disk or a closed
// folder would, or where the program is killed.

#include "common/safefile.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace suite::testing {

// For as long as it lives, each named step of every write turns out as given; the others run.
class WriteFaults {
public:
    WriteFaults(std::initializer_list<std::pair<WriteStep, StepOutcome>> faults) : faults_(faults)
    {
        SetWriteStepHook([this](WriteStep step) {
            for (const auto& [at, outcome] : faults_)
                if (at == step) return outcome;
            return StepOutcome::Proceed;
        });
    }
    ~WriteFaults() { SetWriteStepHook({}); }
    WriteFaults(const WriteFaults&) = delete;
    WriteFaults& operator=(const WriteFaults&) = delete;

private:
    std::vector<std::pair<WriteStep, StepOutcome>> faults_;
};

}  // namespace suite::testing
