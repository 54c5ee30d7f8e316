// Whether the window can reach a display at all. Qt aborts the process when
// its platform plugin finds none; the program asks first and says why.
#pragma once

#include <string>

// "" when a display can be opened (or Qt was sent elsewhere with
// QT_QPA_PLATFORM), otherwise the reason, naming the variables looked at.
std::string DisplayProblem();

// Closes the connection DisplayProblem left open on success. Call it once Qt
// has connected: a server with no other client (xvfb-run, a bare xinit)
// resets when its last client leaves, and Qt would wait for that reset.
void ReleaseDisplayCheck();
