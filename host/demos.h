// One demonstration per subsystem; each prints what the library gives and returns false on failure.
#pragma once

bool DemoErrors();
bool DemoFiles();
bool DemoRegistry();
bool DemoVersion();
bool DemoText();
bool DemoMachine();
