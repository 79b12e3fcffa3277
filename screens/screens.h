#pragma once
// Every screen of the instrument.

/// The normal flight screen.
void MainPageScreen();
