#pragma once

// Builds the application from the process arguments (handed to Qt unchanged),
// loads the main window and runs the event loop; returns its exit code.
int applicationMain(int argc, char** argv);
