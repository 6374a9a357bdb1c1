namespace emu { int emulatorAnchor = 0; }
