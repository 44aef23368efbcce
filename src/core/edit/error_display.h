// The error codes of choosing a target and of memory numbers, and the one box that shows them.
#pragma once

#include "util/dialogs.h"

namespace lumo {

constexpr int kInvalidRadio = -12;
constexpr int kInvalidBand = -13;
constexpr int kNumberInUse = -14;
constexpr int kDuplicateNumbers = -15;

// The message the shared error display shows for a code.
wxString ErrorText(int code, int value);
// Shows a code's message in a box captioned "Error".
void DisplayError(Dialogs& dialogs, int code, int value = 0);

}  // namespace lumo
