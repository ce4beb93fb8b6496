#pragma once

// `tolvek-alarm --self-test`: in a throw-away data folder, loads every
// screen's QML offscreen, rings one alarm through the real assembly, wins its
// game and checks the alarm is settled. Prints each step; 0 when all passed.
namespace SelfTest {
int run();
}
