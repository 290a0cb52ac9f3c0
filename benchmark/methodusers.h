#pragma once

namespace wildcrest::simulation
{

// Prints the rows of the scanning methods (step, step-dwell, inverse, and auto
// for the player with involuntary presses) against simulated switch users.
void printMethodRows(long turns);

} // namespace wildcrest::simulation
