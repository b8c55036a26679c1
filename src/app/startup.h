// Start-up and shut-down of the program.
#pragma once

namespace ulvarin {

// The whole run: start the framework, build the application and its main
// window, serve events until the user quits, release what was kept, and give
// back the framework's exit code.
int RunUlvarin(int argc, char** argv);

// The start-up sequence and the event loop. Anything it does not catch is
// reported as unhandled, and shut-down follows all the same.
void StartUpAndRun();

// Releases, in order: the kept pictures, every window, the shared menu bar.
void ShutDown();

}  // namespace ulvarin
