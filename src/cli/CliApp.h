#pragma once

// The command-line front end: preview, rename and undo on the same core as
// the window. Returns the exit code: 0 done, 1 a step failed, 2 usage or bad
// input, 3 refused (nothing renamed).
int RunCli(int argc, char** argv);
