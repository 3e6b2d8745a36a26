// Removed once the window code lands.
