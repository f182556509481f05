#pragma once
// The window without a mouse: Enter presses the command buttons as Space does.

class Brontel;

void enableKeyboardAccess(Brontel& window);
