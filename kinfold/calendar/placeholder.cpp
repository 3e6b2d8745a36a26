// Removed once the calendar code lands.
