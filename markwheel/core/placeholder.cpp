// Removed once the countdown code lands.
