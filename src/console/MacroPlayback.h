#pragma once

struct Console;

// A click on macro button index (1 to 20): says the macro's lines one by one, each filled
// with the placeholders of that moment, under the busy lock. "%scores%" says the scores and
// "%getregs%" scans the chat for registrations, each in place of its whole line.
void txtButton_Click(Console& console, int index);
