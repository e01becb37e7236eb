#include "model/State.h"

namespace quendal {

ProgramState state;

void resetState() { state = ProgramState{}; }

}  // namespace quendal
