#pragma once

// Registers every window of the program with the window registry.
class WindowCatalog
{
public:
    static void registerAll();
};
