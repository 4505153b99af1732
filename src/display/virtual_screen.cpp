#include "display/virtual_screen.h"

int screenWidth = 800, screenHeight = 600;
int virtualWidth = 1280, virtualHeight = 960;
