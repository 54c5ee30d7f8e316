// Whether the window can reach a display at all. Qt aborts the process when
// its platform plugin finds none; the program asks first and says why.
#pragma once

#include <string>

// "" when a display can be opened (or Qt was sent elsewhere with
// QT_QPA_PLATFORM), otherwise the reason, naming the variables looked at.
std::string DisplayProblem();
