#pragma once

// The organizer's entry: the single-instance guard, then the start-up sequence and the
// message loop. Returns the process's exit status.
int RunOrganizer(int argc, char** argv);
