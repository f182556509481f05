#pragma once
// The window without a mouse: Enter presses the focused command button as Space does.

class Brontel;

void enableKeyboardAccess(Brontel& window);
